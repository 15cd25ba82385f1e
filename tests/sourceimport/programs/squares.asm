; Square of a digit by table look-up
; The digit is at 2050H; the square goes to 2051H.
        ORG 2000H
        LDA 2050H
        MOV E, A
        MVI D, 00H
        LXI H, SQTAB
        DAD D               ; HL = table + digit
        MOV A, M
        STA 2051H
        HLT

        ORG 2100H
SQTAB:  DB 0, 1, 4, 9, 16, 25, 36, 49, 64, 81
        ORG 2050H
        DB 07H
        END
