; Forms that convert faithfully: # and // comments, #EQU, dotted directives, $FF and 0xFF,
; expressions with HIGH and LOW, and jumps to the addresses of the program's own instructions.
# constants
COUNT   #EQU 5
.EQU    BASE, 2000H
LIMIT   .EQU COUNT*2+1
        .ORG BASE
START:  LXI H, TABLE+1      // second byte
        MVI B, LOW(TABLE)
        MVI C, HIGH TABLE
        MVI D, TABLE/256
        MVI E, 'A'+1
        MVI A, $FF
        ANI 0x0F            ; low nibble
        ADI (COUNT-1)*2-12
        CPI LIMIT
        JNZ START+3
        JZ 2019H
        NOP
        NOP
        HLT
TABLE:  .DB 1, 2, 3
WORD:   DW BASE
        .END
