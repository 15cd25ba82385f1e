; Generate the first 10 Fibonacci numbers at 3000H
        org 2000h
        lxi h, 3000h
        mvi b, 00h          ; F(n-2)
        mvi c, 01h          ; F(n-1)
        mov m, b
        inx h
        mov m, c
        mvi d, 08h          ; eight more terms
nextf:  mov a, b
        add c               ; F(n) = F(n-2) + F(n-1)
        mov b, c
        mov c, a
        inx h
        mov m, a
        dcr d
        jnz nextf
        hlt
        end
