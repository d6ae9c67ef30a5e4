000100******************************************************************
000200*
000300*  C types  172 Byte                                              *
000400******************************************************************
000500*
000600*c record 
000700 01 c_rec.
000800*
000900*name 
001000  06 name                      PIC String(20).
001100*
001200*uc 
001300  06 uc                        PIC U_Char.
001400*
001500*ui 
001600  06 ui                        PIC U_Integer.
001700*
001800*us 
001900  06 us                        PIC U_Short.
002000*
002100*ul 
002200  06 ul                        PIC U_Long.
002300*
002400*sc 
002500  06 sc                        PIC S_Char.
002600*
002700*si 
002800  06 si                        PIC S_Integer.
002900*
003000*ss 
003100  06 ss                        PIC S_Short.
003200*
003300*sl 
003400  06 sl                        PIC S_Long.
003500*
003600*f 
003700  06 f                         PIC Float.
003800*
003900*d 
004000  06 d                         PIC Double.
004100*
004200*cur 
004300  06 cur                       PIC Currency.
004400*
004500*var 
004600  06 var                       PIC Variant(3).
004700*
004800*dt 
004900  06 dt                        PIC Date.
005000*
005100*tm 
005200  06 tm                        PIC Time.
005300*
005400*by 
005500  06 by                        PIC BYTE.
005600*
005700*ob 
005800  06 ob                        PIC Object.
005900*
006000*d8 
006100  06 d8                        PIC Date8.
006200*
006300*hx 
006400  06 hx                        PIC Hex(6).
006500*
006600*w 
006700  06 w                         PIC WORD.
006800*
006900*dw 
007000  06 dw                        PIC DWORD.
007100*
007200*amt 
007300  06 amt  OCCURS 3             PIC S9(7)V9(2) PACKED-DECIMAL.
007400*
007500*grp 
007600  06 grp  OCCURS 2.
007700*
007800*g_a 
007900   11 g_a                      PIC S_Short.
008000*
008100*g_inner 
008200   11 g_inner  OCCURS 3.
008300*
008400*g_x 
008500    16 g_x                     PIC X(5).
008600*
008700*num 
008800  06 num  OCCURS 4             PIC S9(5)V9(1).
008900*
009000*last 
009100  06 last                      PIC X(1).
009200*
