; Exchange the two nibbles of the byte at 2050, result to 2051
        org 2000h
        lda 2050
        rlc
        rlc
        rlc
        rlc
        sta 2051
        hlt
        org 2050h
        db $A7
        end
