; Find the largest number in an array
; The first byte of the array holds the count.

        ORG 8000H
START:  LXI H, ARRAY    ; HL -> count
        MOV C, M        ; C = count
        INX H
        MOV A, M        ; first element is the largest so far
        DCR C
BACK:   INX H
        CMP M
        JNC AHEAD       ; A >= M, keep A
        MOV A, M        ; new largest
AHEAD:  DCR C
        JNZ BACK
        STA RESULT
        HLT

ARRAY:  DB 07H, 32H, 0A5H, 11H, 0C8H, 05H, 7EH, 0C7H
RESULT: DS 1
        END START
