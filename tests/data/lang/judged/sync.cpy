       01  SY-REC.
           05  SY-A            PIC X.
           05  SY-B            PIC S9(8) COMP SYNC.
           05  SY-C            PIC X.
           05  SY-D            PIC S9(4) BINARY SYNCHRONIZED.
           05  SY-E            PIC X(3).
           05  SY-F            PIC S9(18) COMP SYNC.
