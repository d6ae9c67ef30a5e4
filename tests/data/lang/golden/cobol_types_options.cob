000100******************************************************************
000200*
000300*  COBOL types  106 Byte                                          *
000400******************************************************************
000500*
000600*COBOLŒ^‚ÌŒ©–{ Prefix(CT-) 
000700 01 CTYPES.
000800*
000900*X-ITEM #1.1
001000  06 X-ITEM                    PIC X(10).
001100*
001200*J-ITEM 
001300  06 J-ITEM                    PIC G(4) DISPLAY-1.
001400*
001500*UNUM 
001600  06 UNUM                      PIC 9(5)V9(2).
001700*
001800*SNUM 
001900  06 SNUM                      PIC S9(7).
002000*
002100*SNUM-FRAC 
002200  06 SNUM-FRAC                 PIC SV9(3).
002300*
002400*UPACK 
002500  06 UPACK                     PIC 9(5) PACKED-DECIMAL.
002600*
002700*SPACK 
002800  06 SPACK                     PIC S9(9)V9(2) PACKED-DECIMAL.
002900*
003000*ALT 
003100  06 ALT REDEFINES SPACK       PIC X(6).
003200*
003300*UBIN 
003400  06 UBIN                      PIC 9(4) BINARY.
003500*
003600*SBIN 
003700  06 SBIN                      PIC S9(9) BINARY.
003800*
003900*UCOMP 
004000  06 UCOMP                     PIC 9(12) COMP.
004100*
004200*SCOMP 
004300  06 SCOMP                     PIC S9(3) COMP.
004400*
004500*UCOMP5 
004600  06 UCOMP5                    PIC 9(5) COMP-5.
004700*
004800*SCOMP5 
004900  06 SCOMP5                    PIC S9(18) COMP-5.
005000*
005100*GRP 
005200  06 GRP  OCCURS 3.
005300*
005400*G-A 
005500   11 G-A                      PIC X(2).
005600*
005700*G-SUB 
005800   11 G-SUB  OCCURS 2.
005900*
006000*G-SUB-A 
006100    16 G-SUB-A                 PIC S9(3).
006200*
006300*G-B 
006400   11 G-B                      PIC S9(4) PACKED-DECIMAL.
006500*
006600*FINAL-ITEM 
006700  06 FINAL-ITEM                PIC X(1).
006800*
