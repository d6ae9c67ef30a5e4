000010  01  REC-A.                                                      RK000001
000020* customer number                                                 RK000001
000030      05  CUST-NO             PIC 9(6).                           RK000001
000040      05  FILLER              PIC X(2).                           RK000001
000050      05  CUST-NAME           PICTURE IS X(20).                   RK000001
000060      05  BALANCE             PIC S9(9)V99 COMP-3.                RK000001
000070      05  BAL-X REDEFINES BALANCE PIC X(6).                       RK000001
000080      05  COUNTS.                                                 RK000001
000090          10  CNT-A           PIC S9(4) BINARY.                   RK000001
000100          10  CNT-B           PIC 9(9) COMP-4.                    RK000001
000110          10  CNT-C           PIC S9(18) COMP-5.                  RK000001
000120          10  CNT-D           PIC 9(3) COMPUTATIONAL.             RK000001
000130      05  COUNTS-R REDEFINES COUNTS.                              RK000001
000140          10  CNT-RAW         PIC X(16).                          RK000001
000150      05  TABLE-1 OCCURS 3 TIMES.                                 RK000001
000160          10  T-CODE          PIC X(3).                           RK000001
000170          10  T-CODE-N REDEFINES T-CODE PIC 9(3).                 RK000001
000180          10  T-AMT           PIC S9(5)V9(2)                      RK000001
000190                              PACKED-DECIMAL.                     RK000001
000200          10  T-SUB OCCURS 2.                                     RK000001
000210              15  T-SUB-A     PIC 99.                             RK000001
000220              15  T-SUB-B     PIC X.                              RK000001
000230      05  STATUS-CODE         PIC X.                              RK000001
000240          88  STATUS-OK       VALUE 'A' 'B'                       RK000001
000250                              'C.D' 'E'.                          RK000001
000260          88  STATUS-NG       VALUE 'Z'.                          RK000001
000270      05  RATE                PIC 9(2)V9(4).                      RK000001
000280          88  RATE-LOW        VALUE .0001 THRU                    RK000001
000290                              .0299.                              RK000001
000300          88  RATE-SET        VALUE 0.5 1.25                      RK000001
000310                              12.5 13.75.                         RK000001
000320      05  EDITED.                                                 RK000001
000330          10  ED-AMT          PIC $$,$$9.99.                      RK000001
000340          10  ED-CR           PIC 9(5)CR.                         RK000001
000350          10  ED-DB           PIC ZZ,ZZ9.99DB.                    RK000001
000360          10  ED-Z            PIC ZZZ9.                           RK000001
000370          10  ED-PT           PIC 9(3).99.                        RK000001
000380          10  ED-SIGN         PIC -9(4).                          RK000001
000390      05  NAT                 PIC N(5).                           RK000001
000400      05  TAIL-X              PIC X.                              RK000001
000410      05  SEP-NUM             PIC S9(5)V99                        RK000001
000420                              SIGN LEADING SEPARATE.              RK000001
000430  01  REC-B.                                                      RK000001
000440      05  B-KEY               PIC X(8).                           RK000001
000450      05  B-COUNT             PIC 9(5) VALUE                      RK000001
000460                              12345.                              RK000001
000470      05  B-DATA              PIC X(60).                          RK000001
000480      05  B-NUM REDEFINES B-DATA.                                 RK000001
000490          10  B-N1            PIC 9(30).                          RK000001
000500          10  B-N2            PIC 9(30).                          RK000001
000510      05  B-GROUPS OCCURS 2.                                      RK000001
000520          10  B-G OCCURS 3.                                       RK000001
000530              15  B-G1        PIC S9(3).                          RK000001
000540              15  B-G2        PIC S9(7) COMP-3.                   RK000001
000550      05  B-END               PIC X.                              RK000001
000560      66  B-ALIAS RENAMES B-KEY.                                  RK000001
000570  01  REC-C REDEFINES REC-B.                                      RK000001
000580      05  C-ALL               PIC X(101).                         RK000001
