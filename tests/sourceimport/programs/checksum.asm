; XOR checksum of a 6-byte message
        ORG 2000H
        LXI H, DATA
        MVI C, 6
        XRA A               ; A = 0, CY = 0
XLOOP:  XRA M
        INX H
        DCR C
        JNZ XLOOP
        STA CSUM
        HLT

        ORG 2300H
DATA:   DB 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC
CSUM:   DS 1
        END
