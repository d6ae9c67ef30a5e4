       01  RL-REC.
           05  RL-A            PIC X(4).
           05  RL-B            REDEFINES RL-A PIC X(10).
           05  RL-C            REDEFINES RL-A PIC X(6).
           05  RL-D            PIC X(2).
