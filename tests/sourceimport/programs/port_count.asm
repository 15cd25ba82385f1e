; Count down from 9 to 0 on output port 01 with a short delay
        ORG 2000H
        MVI A, 09H
SHOW:   OUT 01H             ; display the digit
        LXI D, 0010H        ; delay count
WAIT:   DCX D
        MOV B, A            ; save the digit
        MOV A, D
        ORA E               ; DE = 0 ?
        MOV A, B
        JNZ WAIT
        DCR A
        CPI 0FFH            ; past zero?
        JNZ SHOW
        HLT
        END
