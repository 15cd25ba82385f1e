; 16-bit addition
; first number at 2050/2051, second at 2052/2053, sum at 2054/2055, carry at 2056
        ORG 2000H
        LHLD 2050       ; HL = first number
        XCHG            ; DE = first number
        LHLD 2052       ; HL = second number
        MVI C, 00H
        DAD D
        JNC NOCARRY
        INR C
NOCARRY: SHLD 2054
        MOV A, C
        STA 2056
        HLT

        ORG 2050H
        DW 0A7F3H, 7C45H
        END
