; Count the even and the odd numbers of a list
; even count -> 2060H, odd count -> 2061H
        .org 2000h
        lxi h, list
        mvi c, 8            ; length of the list
        mvi d, 0            ; even
        mvi e, 0            ; odd
check:  mov a, m
        rrc                 ; lowest bit into CY
        jc odd
        inr d
        jmp nxt
odd:    inr e
nxt:    inx h
        dcr c
        jnz check
        mov a, d
        sta 2060h
        mov a, e
        sta 2061h
        hlt

        .org 2040h
list:   .db 12, 7, 30, 45, 8, 99, 100, 3
        .end
