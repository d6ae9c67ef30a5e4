000100******************************************************************
000200*
000300*  COBOL types  106 Byte                                          *
000400******************************************************************
000500*
000600*   COBOLŒ^‚ÌŒ©–{ Prefix(CT-) 
000700 01 CTYPES.
000800*      X-ITEM #1.1
000900    03 X-ITEM                         PIC X(10).
001000*      J-ITEM 
001100    03 J-ITEM                         PIC N(4).
001200*      UNUM 
001300    03 UNUM                           PIC 9(5)V9(2).
001400*      SNUM 
001500    03 SNUM                           PIC S9(7).
001600*      SNUM-FRAC 
001700    03 SNUM-FRAC                      PIC SV9(3).
001800*      UPACK 
001900    03 UPACK                          PIC 9(5) COMP-3.
002000*      SPACK 
002100    03 SPACK                          PIC S9(9)V9(2) COMP-3.
002200*      ALT 
002300    03 ALT REDEFINES SPACK            PIC X(6).
002400*      UBIN 
002500    03 UBIN                           PIC 9(4) BINARY.
002600*      SBIN 
002700    03 SBIN                           PIC S9(9) BINARY.
002800*      UCOMP 
002900    03 UCOMP                          PIC 9(12) COMP.
003000*      SCOMP 
003100    03 SCOMP                          PIC S9(3) COMP.
003200*      UCOMP5 
003300    03 UCOMP5                         PIC 9(5) COMP-5.
003400*      SCOMP5 
003500    03 SCOMP5                         PIC S9(18) COMP-5.
003600*      GRP 
003700    03 GRP  OCCURS 3.
003800*         G-A 
003900       05 G-A                         PIC X(2).
004000*         G-SUB 
004100       05 G-SUB  OCCURS 2.
004200*            G-SUB-A 
004300          07 G-SUB-A                  PIC S9(3).
004400*         G-B 
004500       05 G-B                         PIC S9(4) COMP-3.
004600*      FINAL-ITEM 
004700    03 FINAL-ITEM                     PIC X(1).
