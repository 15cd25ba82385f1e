; Linear search for KEY in a table of 8 bytes.
; Position (1..8) goes to 2400H, 0 when the key is absent.
; Labels are written without colons, as some assemblers allow.
KEY     EQU 4DH
        ORG 2000H
        LXI H, TABLE
        MVI B, 1
        MVI C, 8
LOOK    MOV A, M
        CPI KEY
        JZ FOUND
        INX H
        INR B
        DCR C
        JNZ LOOK
        MVI B, 0
FOUND   MOV A, B
        STA 2400H
        HLT
        ORG 2300H
TABLE   DB 10H, 22H, 3FH, 4DH, 51H, 6AH, 7CH, 8EH
        END
