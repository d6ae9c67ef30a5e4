000010  01  DATA-REC.                                                   DATA0001
000020      05  D-KEY               PIC 9(4).                           DATA0001
000030      05  D-NAME              PIC X(10).                          DATA0001
000040      05  D-SNUM              PIC S9(5)V99.                       DATA0001
000050      05  D-PACK              PIC S9(7)V99 COMP-3.                DATA0001
000060      05  D-UPACK             PIC 9(5) COMP-3.                    DATA0001
000070      05  D-BIN               PIC S9(4) BINARY.                   DATA0001
000080      05  D-BIN9              PIC 9(9) COMP-4.                    DATA0001
000090      05  D-TBL OCCURS 2.                                         DATA0001
000100          10  D-T-A           PIC 99.                             DATA0001
000110          10  D-T-B           PIC X(2).                           DATA0001
000120      05  D-CODE              PIC X(4).                           DATA0001
000130      05  D-CODE-N REDEFINES D-CODE PIC 9(4).                     DATA0001
000140          88  D-CODE-OK       VALUE 1 2                           DATA0001
000150                              3 4.                                DATA0001
000160      05  D-EDIT              PIC $$,$$9.99CR.                    DATA0001
