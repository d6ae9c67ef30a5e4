000010  01  FLOAT-REC.                                                  FLOATCPY
000020      05  F-SHORT             COMP-1.                             FLOATCPY
000030      05  F-LONG              USAGE IS COMP-2.                    FLOATCPY
000040      05  F-TABLE OCCURS 3.                                       FLOATCPY
000050          10  F-ITEM          COMPUTATIONAL-1.                    FLOATCPY
000060          10  F-CODE          PIC X(3).                           FLOATCPY
000070      05  F-END               PIC X.                              FLOATCPY
