       01  RL-REC.
           05  RL-A            PIC X(4).
           05  RL-B            REDEFINES RL-A PIC X(10).
           05  RL-C            REDEFINES RL-A PIC X(6).
           05  RL-D            PIC X(2).
       01  RG-REC.
           05  RG-G.
               10  RG-A        PIC X(4).
               10  RG-B        REDEFINES RG-A.
                   15  RG-B1   PIC X(5).
                   15  RG-B2   PIC X(3).
           05  RG-S            PIC S9(8) COMP SYNC.
           05  RG-C            PIC X.
           05  RG-D            REDEFINES RG-C PIC X(3).
