; Addition of two packed BCD numbers with DAA
        ORG 2000H
        LXI H, 2500H
        MOV A, M            ; first BCD number
        INX H
        ADD M               ; binary sum
        DAA                 ; decimal adjust
        INX H
        MOV M, A            ; BCD sum
        MVI A, 00H
        RAL                 ; carry of the decimal sum
        INX H
        MOV M, A
        HLT
        ORG 2500H
        DB 59H, 38H
        END
