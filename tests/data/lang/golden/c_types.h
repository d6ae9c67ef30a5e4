  /*------------------------------------------------------------------------*/
  /*   C types  172 Byte                                                    */
  /*------------------------------------------------------------------------*/
   
  struct {                     /* c record     */
    char   name [20];          /*   name       */
    unsigned char  uc;         /*   uc         */
    unsigned int   ui;         /*   ui         */
    unsigned short us;         /*   us         */
    unsigned long  ul;         /*   ul         */
    char   sc;                 /*   sc         */
    int    si;                 /*   si         */
    short  ss;                 /*   ss         */
    long   sl;                 /*   sl         */
    float  f;                  /*   f          */
    double  d;                 /*   d          */
    char   cur [8];            /*   cur        */
    char   var [3];            /*   var        */
    char   dt [4];             /*   dt         */
    char   tm [4];             /*   tm         */
    BYTE  by;                  /*   by         */
    char   ob [4];             /*   ob         */
    char   d8 [8];             /*   d8         */
    char   hx [6];             /*   hx         */
    WORD  w;                   /*   w          */
    DWORD  dw;                 /*   dw         */
    char   amt [3][5];         /*   amt        */
    struct {                   /*   grp        */
      short  g_a;              /*     g_a      */
      struct {                 /*     g_inner  */
        char   g_x [5];        /*       g_x    */
      } g_inner[3];            /*              */
    } grp[2];                  /*              */
 
    char   num [4][6];         /*   num        */
    char   last [1];           /*   last       */
  } c_rec;                     /*              */
 
