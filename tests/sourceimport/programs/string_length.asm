; Length of a zero-terminated string
        #org 1000h
        lxi h, text
        mvi b, 0
scan:   mov a, m
        cpi 0               ; end of the string?
        jz found
        inr b
        inx h
        jmp scan
found:  mov a, b
        sta 1100h
        hlt

        #org 1080h
text:   #db "KWARC", ' ', 'PL', 0
