       01  OD-REC.
           05  OD-N            PIC 9 VALUE 5.
           05  OD-T            OCCURS 1 TO 5 TIMES DEPENDING ON OD-N.
               10  OD-A        PIC X(3).
