       IDENTIFICATION DIVISION.
       PROGRAM-ID. WRITEDATA.
       ENVIRONMENT DIVISION.
       INPUT-OUTPUT SECTION.
       FILE-CONTROL.
           SELECT DATA-FILE ASSIGN TO "data.dat"
               ORGANIZATION IS SEQUENTIAL.
       DATA DIVISION.
       FILE SECTION.
       FD  DATA-FILE.
       COPY "datarec.cpy".
       PROCEDURE DIVISION.
           OPEN OUTPUT DATA-FILE.
           MOVE 1234 TO D-KEY.
           MOVE "ALPHA" TO D-NAME.
           MOVE -123.45 TO D-SNUM.
           MOVE -1234567.89 TO D-PACK.
           MOVE 54321 TO D-UPACK.
           MOVE -1234 TO D-BIN.
           MOVE 987654321 TO D-BIN9.
           MOVE 12 TO D-T-A (1).
           MOVE "AB" TO D-T-B (1).
           MOVE 34 TO D-T-A (2).
           MOVE "CD" TO D-T-B (2).
           MOVE "0042" TO D-CODE.
           MOVE -1234.5 TO D-EDIT.
           WRITE DATA-REC.
           MOVE 9 TO D-KEY.
           MOVE "OMEGA" TO D-NAME.
           MOVE 7.01 TO D-SNUM.
           MOVE 0.05 TO D-PACK.
           MOVE 0 TO D-UPACK.
           MOVE 321 TO D-BIN.
           MOVE 0 TO D-BIN9.
           MOVE 0 TO D-T-A (1).
           MOVE "  " TO D-T-B (1).
           MOVE 99 TO D-T-A (2).
           MOVE "ZZ" TO D-T-B (2).
           MOVE "ABCD" TO D-CODE.
           MOVE 7 TO D-EDIT.
           WRITE DATA-REC.
           CLOSE DATA-FILE.
           STOP RUN.
