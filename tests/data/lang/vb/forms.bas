Option Explicit
Sub Main()
End Sub
Const LEN = 8
Public Type CUST ' å⁄ãq
  No As Long ' î‘çÜ
  Name As String * 20
End Type

Type ORDER
  Code As String * LEN
End Type ' éÛíç
Type SUFFIXES
Code As String
Count%
Total&
Money@
Plain
	Key  As  Object
' only a comment

Rate!
End Type
Type BOUNDS
Amount(9) As Integer
Names(4) As String * 20
Tbl(1 To 5) As Byte
Low(-1 to 3) As Byte
End Type
Type ADDR
Zip As String * 7
End Type
Type HOMES
Home(1, 2) As ADDR
End Type
Type BROKEN
  X As Integer
