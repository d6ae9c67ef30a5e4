       01  PP-REC.
           05  PP-A            PIC 9(3)PPP.
           05  PP-B            PIC PP99.
           05  PP-C            PIC S9(2)P(3) COMP-3.
