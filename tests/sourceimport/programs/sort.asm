; Bubble sort of eight bytes in ascending order
; The list is stored at 3000H by DB, the count is in COUNT.

COUNT   EQU 08H

        ORG 2000H
start:  mvi c, COUNT-1      ; number of passes
pass:   lxi h, list         ; HL points to the first byte
        mvi b, COUNT-1      ; comparisons in one pass
next:   mov a, m
        inx h
        cmp m               ; CY set when A < next byte
        jc noswap
        mov d, m            ; swap the neighbours
        mov m, a
        dcx h
        mov m, d
        inx h
noswap: dcr b
        jnz next
        dcr c
        jnz pass
        hlt

        ORG 3000H
list:   DB 42H, 07H, 99, 1, 0A3H, 15, 0FAH, 30
        END
