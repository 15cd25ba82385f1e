; Greatest common divisor of two numbers by repeated subtraction
        org 2000h
        lda 2080h
        mov b, a            ; B = first number
        lda 2081h           ; A = second number
gloop:  cmp b
        jz gdone            ; equal: that is the GCD
        jc smaller          ; A < B
        sub b               ; A = A - B
        jmp gloop
smaller: mov c, a           ; swap so that A > B
        mov a, b
        mov b, c
        jmp gloop
gdone:  sta 2082h
        hlt
        org 2080h
        db 84, 36
        end
