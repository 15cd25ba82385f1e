; smallest of ten numbers, written in lower case
count   equ 10

        org 2000h
        lxi h,numbers
        mvi c,count
        mvi b,0ffh        ; smallest so far
again:  mov a,m
        cmp b
        jnc bigger        ; a >= b
        mov b,a
bigger: inx h
        dcr c
        jnz again
        mov a,b
        sta min
        hlt

        org 2100h
numbers: db 56, 23, 78, 91, 12, 45, 67, 34, 89, 20
min:    ds 1
        end
