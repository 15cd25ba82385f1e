; 8-bit by 8-bit multiplication by repeated addition
; product (16 bits) = MULTIPLICAND * MULTIPLIER

MULTIPLICAND EQU 25
MULTIPLIER   EQU 12
PRODUCT      EQU 3000H

        ORG 2000H
        LXI H, 0000H        ; product
        LXI D, MULTIPLICAND ; DE = multiplicand (D = 0)
        MVI C, MULTIPLIER
REPEAT: DAD D               ; HL = HL + DE
        DCR C
        JNZ REPEAT
        SHLD PRODUCT        ; low byte to 3000H, high to 3001H
        HLT
        END
