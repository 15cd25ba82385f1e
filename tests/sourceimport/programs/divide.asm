; Division of an 8-bit number by repeated subtraction
; Dividend at 2050, divisor at 2051, quotient to 2052, remainder to 2053

        org 2000h
        lda 2051
        mov b, a            ; divisor
        lda 2050            ; dividend
        mvi c, 0            ; quotient
div:    cmp b
        jc done             ; remainder smaller than the divisor
        sub b
        inr c
        jmp div
done:   sta 2053            ; remainder
        mov a, c
        sta 2052            ; quotient
        hlt

        org 2050h
        db 200, 7
        end
