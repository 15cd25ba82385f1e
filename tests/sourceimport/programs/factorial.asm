; Factorial of N (N <= 5) using a multiplication subroutine
; Result in memory location FACT

N       EQU 5

        ORG 2000H
        LXI SP, 27FFH       ; stack
        MVI B, N            ; B counts down
        MVI A, 1            ; running product
FLOOP:  MOV D, B
        CALL MUL            ; A = A * D
        DCR B
        JNZ FLOOP
        STA FACT
        HLT

; MUL: A = A * D, uses C and E
MUL:    MOV E, A
        MVI A, 0
        MOV C, D
MLOOP:  ADD E
        DCR C
        JNZ MLOOP
        RET

        ORG 2500H
FACT:   DS 1
        END
