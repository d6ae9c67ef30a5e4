       01  GU-PACKED.
           05  GU-G            COMP-3.
               10  GU-A        PIC S9(5).
               10  GU-B        PIC S9(3)V99.
           05  GU-C            PIC X(2).
       01  GU-BINARY           COMP.
           05  GU-D            PIC S9(4).
           05  GU-E            PIC S9(4).
       01  GU-NESTED           USAGE IS BINARY.
           05  GU-F            PIC S9(9).
           05  GU-H            PIC X(3) USAGE DISPLAY.
           05  GU-I            USAGE PACKED-DECIMAL.
               10  GU-J        PIC S9(7).
