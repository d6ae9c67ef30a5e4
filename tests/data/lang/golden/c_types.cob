000100******************************************************************
000200*
000300*  C types  172 Byte                                              *
000400******************************************************************
000500*
000600*   c record 
000700 01 c_rec.
000800*      name 
000900    03 name                           PIC String(20).
001000*      uc 
001100    03 uc                             PIC U_Char.
001200*      ui 
001300    03 ui                             PIC U_Integer.
001400*      us 
001500    03 us                             PIC U_Short.
001600*      ul 
001700    03 ul                             PIC U_Long.
001800*      sc 
001900    03 sc                             PIC S_Char.
002000*      si 
002100    03 si                             PIC S_Integer.
002200*      ss 
002300    03 ss                             PIC S_Short.
002400*      sl 
002500    03 sl                             PIC S_Long.
002600*      f 
002700    03 f                              PIC Float.
002800*      d 
002900    03 d                              PIC Double.
003000*      cur 
003100    03 cur                            PIC Currency.
003200*      var 
003300    03 var                            PIC Variant(3).
003400*      dt 
003500    03 dt                             PIC Date.
003600*      tm 
003700    03 tm                             PIC Time.
003800*      by 
003900    03 by                             PIC BYTE.
004000*      ob 
004100    03 ob                             PIC Object.
004200*      d8 
004300    03 d8                             PIC Date8.
004400*      hx 
004500    03 hx                             PIC Hex(6).
004600*      w 
004700    03 w                              PIC WORD.
004800*      dw 
004900    03 dw                             PIC DWORD.
005000*      amt 
005100    03 amt  OCCURS 3                  PIC S9(7)V9(2) COMP-3.
005200*      grp 
005300    03 grp  OCCURS 2.
005400*         g_a 
005500       05 g_a                         PIC S_Short.
005600*         g_inner 
005700       05 g_inner  OCCURS 3.
005800*            g_x 
005900          07 g_x                      PIC X(5).
006000*      num 
006100    03 num  OCCURS 4                  PIC S9(5)V9(1).
006200*      last 
006300    03 last                           PIC X(1).
