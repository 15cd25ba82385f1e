; Move a block of 10 bytes from C050 to C070
; Source and destination addresses are written without suffix, as in the lab sheet.

        ORG 0C000H
        LXI H, C050     ; source
        LXI D, C070     ; destination
        MVI C, 0AH      ; count
MOVE:   MOV A, M
        STAX D
        INX H
        INX D
        DCR C
        JNZ MOVE
        HLT

        ORG 0C050H
        DB 11H, 22H, 33H, 44H, 55H, 66H, 77H, 88H, 99H, 0AAH
        END
