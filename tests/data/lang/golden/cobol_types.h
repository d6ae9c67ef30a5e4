  /*------------------------------------------------------------------------*/
  /*   COBOL types  106 Byte                                                */
  /*------------------------------------------------------------------------*/
   
  struct {                     /* COBOLŒ^‚ÌŒ©–{ Prefix(CT-)  */
    char   X-ITEM [10];        /*   X-ITEM #1.1              */
    char   J-ITEM [8];         /*   J-ITEM                   */
    char   UNUM [7];           /*   UNUM                     */
    char   SNUM [7];           /*   SNUM                     */
    char   SNUM-FRAC [3];      /*   SNUM-FRAC                */
    char   UPACK [3];          /*   UPACK                    */
    char   SPACK [6];          /*   SPACK                    */
    char   ALT [0];            /*   ALT                      */
    char   UBIN [2];           /*   UBIN                     */
    char   SBIN [4];           /*   SBIN                     */
    char   UCOMP [8];          /*   UCOMP                    */
    char   SCOMP [2];          /*   SCOMP                    */
    char   UCOMP5 [4];         /*   UCOMP5                   */
    char   SCOMP5 [8];         /*   SCOMP5                   */
    struct {                   /*   GRP                      */
      char   G-A [2];          /*     G-A                    */
      struct {                 /*     G-SUB                  */
        char   G-SUB-A [3];    /*       G-SUB-A              */
      } G-SUB[2];              /*                            */
 
      char   G-B [3];          /*     G-B                    */
    } GRP[3];                  /*                            */
 
    char   FINAL-ITEM [1];     /*   FINAL-ITEM               */
  } CTYPES;                    /*                            */
 
