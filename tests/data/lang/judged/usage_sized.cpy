       01  US-REC.
           05  US-PTR          POINTER.
           05  US-PROC         PROCEDURE-POINTER.
           05  US-IDX          INDEX.
           05  US-CHAR         BINARY-CHAR.
           05  US-UCHAR        BINARY-CHAR UNSIGNED.
           05  US-SHORT        BINARY-SHORT.
           05  US-LONG         BINARY-LONG SIGNED.
           05  US-DOUBLE       BINARY-DOUBLE.
           05  US-C1           COMP-1.
           05  US-C2           COMP-2.
           05  US-FS           FLOAT-SHORT.
           05  US-FL           FLOAT-LONG.
           05  US-USAGE        USAGE IS COMPUTATIONAL-1.
