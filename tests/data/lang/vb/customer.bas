Attribute VB_Name = "Records"
Option Explicit

Public Const NAME_LEN = 20
Const MAX_LINES As Integer = 3

' ZŠ
Public Type ADDRESS
    Zip As String * 8            ' —X•Ö”Ô†
    Lines(MAX_LINES) As String * NAME_LEN
End Type

Public Type CUSTOMER   ' ŒÚ‹q
    No As Long                   ' ŒÚ‹q”Ô† #1.1
    Name As String * NAME_LEN    ' –¼
    Kana$
    Home As ADDRESS              ' ©‘î
    Work(1) As ADDRESS           ' ‹Î–±æ
    Sales(1 To 12) As Currency   ' Œ•Ê”„ã
    Grid(2, 3) As Integer
    Rate!
    Flags(3) As Byte
    Extra As Variant
End Type
