; Reverse an array of 8 bytes in place
        ORG 2000H
        LXI H, 2200H        ; first element
        LXI D, 2207H        ; last element
        MVI C, 04H          ; number of swaps
SWAP:   MOV B, M            ; B = first
        LDAX D              ; A = last
        MOV M, A
        MOV A, B
        STAX D
        INX H
        DCX D
        DCR C
        JNZ SWAP
        HLT

        ORG 2200H
        DB 1, 2, 3, 4, 5, 6, 7, 8
        END
