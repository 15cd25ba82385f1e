; One's and two's complement of a number
        ORG 2000H
        LDA 3000H
        CMA                 ; one's complement
        STA 3001H
        INR A               ; two's complement
        STA 3002H
        HLT
        ORG 3000H
        DB 96H
        END
