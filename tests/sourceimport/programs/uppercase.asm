; Convert a string to capital letters in place
; The string ends with a '$' character.
        ORG 2000H
        LXI H, MSG
CONV:   MOV A, M
        CPI '$'             ; end marker
        JZ STOP
        CPI 'a'
        JC KEEP             ; below 'a'
        CPI 'z'+1
        JNC KEEP            ; above 'z'
        SUI 20H             ; lower case -> upper case
        MOV M, A
KEEP:   INX H
        JMP CONV
STOP:   HLT

        ORG 2100H
MSG:    DB 'Hello, World; 8085!$'
        END
