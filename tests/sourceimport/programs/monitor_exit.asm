; Lab kit version: the result is shown with the monitor's routine at 05D0H
; and the program returns to the monitor with RST 1.
        ORG 2000H
        LDA 2050H
        ADI 05H
        STA 2051H
        CALL 05D0H          ; monitor: show the accumulator
        RST 1               ; back to the monitor
        ORG 2050H
        DB 10H
        END
