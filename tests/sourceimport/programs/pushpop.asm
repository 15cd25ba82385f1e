; Exchange BC and DE through the stack and check the result
        ORG 2000H
        LXI SP, 3FFFH
        LXI B, 1234H
        LXI D, 5678H
        PUSH B
        PUSH D
        POP B               ; BC = 5678H
        POP D               ; DE = 1234H
        MOV A, B
        STA 3000H
        MOV A, D
        STA 3001H
        HLT
        END
