  '---------------------------------------------------------------------------
  '-  COBOL types  106 Byte                                                   -
  '---------------------------------------------------------------------------
   
  Type T018_G-SUB                 'G-SUB 
    G-SUB-A     As String * 3     '  G-SUB-A 
  End Type
   
  Type T016_GRP                   'GRP 
    G-A         As String * 2     '  G-A 
    G-SUB(1)    As T018_G-SUB     '  G-SUB 
    G-B         As String * 3     '  G-B 
  End Type
   
  Type T001_CTYPES                'COBOLŒ^‚ÌŒ©–{ Prefix(CT-) 
    X-ITEM      As String * 10    '  X-ITEM #1.1
    J-ITEM      As String * 8     '  J-ITEM 
    UNUM        As String * 7     '  UNUM 
    SNUM        As String * 7     '  SNUM 
    SNUM-FRAC   As String * 3     '  SNUM-FRAC 
    UPACK       As String * 3     '  UPACK 
    SPACK       As String * 6     '  SPACK 
    ALT         As String * 0     '  ALT 
    UBIN        As String * 2     '  UBIN 
    SBIN        As String * 4     '  SBIN 
    UCOMP       As String * 8     '  UCOMP 
    SCOMP       As String * 2     '  SCOMP 
    UCOMP5      As String * 4     '  UCOMP5 
    SCOMP5      As String * 8     '  SCOMP5 
    GRP(2)      As T016_GRP       '  GRP 
    FINAL-ITEM  As String * 1     '  FINAL-ITEM 
  End Type
   
