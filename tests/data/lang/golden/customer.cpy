000100***************************************************************** CUSTCOPY
000200*  å⁄ãqÉ}ÉXÉ^                                                     CUSTCOPY
000300***************************************************************** CUSTCOPY
000400* å⁄ãqÉåÉRÅ[Éh Prefix(CM-)                                        CUSTCOPY
000500 01  CUSTOMER-REC.                                                CUSTCOPY
000600*    å⁄ãqî‘çÜ #1.1                                                CUSTCOPY
000700     05  CUST-NO             PIC 9(8).                            CUSTCOPY
000800*    å⁄ãqñº                                                       CUSTCOPY
000900*    îıçlÅ®ëSäpÇ≈äiî[                                             CUSTCOPY
001000     05  CUST-NAME           PIC N(20).                           CUSTCOPY
001100*    ãÊï™                                                         CUSTCOPY
001200     05  CUST-KIND           PIC X.                               CUSTCOPY
001300         88  KIND-PERSON     VALUE '1'.                           CUSTCOPY
001400         88  KIND-COMPANY    VALUE '2' '3'                        CUSTCOPY
001500                                   '4'.                           CUSTCOPY
001600*    èZèä                                                         CUSTCOPY
001700     05  ADDRESS-AREA.                                            CUSTCOPY
001800         10  ZIP             PIC 9(7).                            CUSTCOPY
001900         10  ADDR-LINE       PIC X(40) OCCURS 2.                  CUSTCOPY
002000*------------------------------------------------------           CUSTCOPY
002100*    écçÇ #2.1d-                                                  CUSTCOPY
002200     05  BALANCE             PIC S9(11)V99 COMP-3.                CUSTCOPY
002300     05  BALANCE-X REDEFINES BALANCE.                             CUSTCOPY
002400         10  BAL-HIGH        PIC X(4).                            CUSTCOPY
002500         10  BAL-LOW         PIC X(3).                            CUSTCOPY
002600*    éÊà¯óöó                                                     CUSTCOPY
002700     05  HISTORY OCCURS 5.                                        CUSTCOPY
002800         10  H-DATE          PIC 9(8).                            CUSTCOPY
002900         10  H-AMOUNT        PIC S9(9) BINARY.                    CUSTCOPY
003000         10  H-RATE          PIC 9V9(4) COMP-4.                   CUSTCOPY
003100         10  H-MEMO          PIC X(10).                           CUSTCOPY
003200     05  FILLER              PIC X(12).                           CUSTCOPY
003300 01  CUSTOMER-TRAILER.                                            CUSTCOPY
003400     05  T-COUNT             PIC 9(9).                            CUSTCOPY
003500     05  T-EDIT              PIC ZZZ,ZZZ,ZZ9.                     CUSTCOPY
003600     05  T-SUM               PIC $$$,$$$,$$9.99CR.                CUSTCOPY
