; Count the number of 1 bits in a byte
; Input: 2500H   Output: 2501H

        ORG     2000H
        LDA     2500H
        MVI     B, 00H          ; counter of ones
        MVI     C, 08H          ; eight bits to test
NEXTBIT: RAL                    ; move the top bit into CY
        JNC     ZERO
        INR     B
ZERO:   DCR     C
        JNZ     NEXTBIT
        MOV     A, B
        STA     2501H
        HLT

        ORG     2500H
        DB      10110110B
        END
