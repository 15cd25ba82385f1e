; Addition of two 8-bit numbers stored in memory.
; Operands at 2050 and 2051, the sum goes to 2052 and the carry to 2053.
        ORG 2000H
        LDA 2050        ; first number
        MOV B, A
        LDA 2051        ; second number
        ADD B
        STA 2052        ; sum
        MVI A, 00H
        ACI 00H         ; carry into A
        STA 2053
        HLT

        ORG 2050H
        DB 9AH, 89H
        END
