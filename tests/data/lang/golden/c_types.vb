  '---------------------------------------------------------------------------
  '-  C types  172 Byte                                                       -
  '---------------------------------------------------------------------------
   
  Type T026_G_INNER              'g_inner 
    g_x       As String * 5      '  g_x 
  End Type
   
  Type T024_GRP                  'grp 
    g_a       As Integer         '  g_a 
    g_inner(2) As T026_G_INNER   '  g_inner 
  End Type
   
  Type T001_C_REC                'c record 
    name      As String * 20     '  name 
    uc        As String          '  uc 
    ui        As Integer         '  ui 
    us        As Integer         '  us 
    ul        As Long            '  ul 
    sc        As String          '  sc 
    si        As Integer         '  si 
    ss        As Integer         '  ss 
    sl        As Long            '  sl 
    f         As Single          '  f 
    d         As Double          '  d 
    cur       As Currency        '  cur 
    var       As String * 3      '  var 
    dt        As Date            '  dt 
    tm        As Time            '  tm 
    by        As Byte            '  by 
    ob        As Object          '  ob 
    d8        As String          '  d8 
    hx        As String * 6      '  hx 
    w         As String          '  w 
    dw        As String          '  dw 
    amt(2)    As String * 5      '  amt 
    grp(1)    As T024_GRP        '  grp 
    num(3)    As String * 6      '  num 
    last      As String * 1      '  last 
  End Type
   
