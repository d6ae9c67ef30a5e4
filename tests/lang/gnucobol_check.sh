#!/bin/sh
# Checks the COBOL import and the COBOL output against GnuCOBOL:
#  1. copybooks import to layouts whose record length is GnuCOBOL's LENGTH OF;
#  2. a data file written by a GnuCOBOL program through a copybook reads back, through the
#     imported layout and `rekkan-cli csv`, as the values the program moved;
#  3. the COBOL written for layouts compiles and its LENGTH OF is our record length.
# Usage: gnucobol_check.sh REKKAN_CLI DATA_DIR   (exit 77: GnuCOBOL missing, skipped)
set -eu
CLI=$1
DATA=$2
G="$DATA/gnucobol"
. "$(dirname "$0")/judge_common.sh"
judge_start cobc

for r in REC-A REC-B REC-C; do
    "$CLI" import cobol "$G/records.cpy" --select "$r" -o "$r.kvl"
done
"$CLI" import cobol "$G/datarec.cpy" --gathered -o DATA-REC.kvl
# COMP-1 / COMP-2 without PIC, read and written under Cmb_Comp12Pic 1.
"$CLI" import cobol "$G/floats.cpy" --option Cmb_Comp12Pic=1 -o FLOAT-REC.kvl
"$CLI" export cobol FLOAT-REC.kvl --option Cmb_Comp12Pic=1 -o exp-f.cob
cp FLOAT-REC.kvl EXP-FLOAT-REC.kvl
# The gathered form leaves the redefining items out of the record: same length.
"$CLI" import cobol "$G/records.cpy" --gathered --select REC-A -o GATHERED-A.kvl
cp "$DATA/cobol_types.kvl" CTYPES.kvl
"$CLI" export cobol CTYPES.kvl -o ctypes.cob
"$CLI" export cobol REC-A.kvl -o exp-a.cob
"$CLI" export cobol REC-B.kvl --option Cmb_CobIV=4 --option Cmb_CobID=0 --option Cmb_CobCmt=0 -o exp-b.cob
cp REC-A.kvl EXP-REC-A.kvl
cp REC-B.kvl EXP-REC-B.kvl

cat > check.cob <<'EOF'
       IDENTIFICATION DIVISION.
       PROGRAM-ID. CHECK.
       ENVIRONMENT DIVISION.
       INPUT-OUTPUT SECTION.
       FILE-CONTROL.
           SELECT DATA-FILE ASSIGN TO "data.dat"
               ORGANIZATION IS SEQUENTIAL.
       DATA DIVISION.
       FILE SECTION.
       FD  DATA-FILE.
       COPY "datarec.cpy".
       WORKING-STORAGE SECTION.
       COPY "records.cpy".
       COPY "ctypes.cob".
       COPY "exp-a.cob" REPLACING ==REC-A== BY ==EXP-REC-A==.
       COPY "exp-b.cob" REPLACING ==REC-B== BY ==EXP-REC-B==.
       COPY "floats.cpy".
       COPY "exp-f.cob" REPLACING ==FLOAT-REC== BY ==EXP-FLOAT-REC==.
       PROCEDURE DIVISION.
           DISPLAY "REC-A " LENGTH OF REC-A.
           DISPLAY "REC-B " LENGTH OF REC-B.
           DISPLAY "REC-C " LENGTH OF REC-C.
           DISPLAY "DATA-REC " LENGTH OF DATA-REC.
           DISPLAY "CTYPES " LENGTH OF CTYPES.
           DISPLAY "EXP-REC-A " LENGTH OF EXP-REC-A.
           DISPLAY "EXP-REC-B " LENGTH OF EXP-REC-B.
           DISPLAY "FLOAT-REC " LENGTH OF FLOAT-REC.
           DISPLAY "EXP-FLOAT-REC " LENGTH OF EXP-FLOAT-REC.
           DISPLAY "GATHERED-A " LENGTH OF REC-A.
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
           MOVE SPACES TO D-T-B (1).
           MOVE 99 TO D-T-A (2).
           MOVE "ZZ" TO D-T-B (2).
           MOVE "ABCD" TO D-CODE.
           MOVE 7 TO D-EDIT.
           WRITE DATA-REC.
           CLOSE DATA-FILE.
           STOP RUN.
EOF
cobc -x -std=default -fbinary-size=2-4-8 -I "$G" -I . -o check check.cob
./check > lengths.txt
judge_lengths lengths.txt
[ "$(wc -l < lengths.txt)" -eq 10 ] || { echo "FAIL: lengths missing"; status=1; }

# Implied decimal places show as whole numbers (no decimal point), as everywhere in the
# record tools: -123.45 in S9(5)V99 reads -12345.
"$CLI" csv DATA-REC.kvl data.dat --zone ascii -o data.csv
if cmp -s data.csv "$G/data_expected.csv"; then
    echo "ok: data file values"
else
    echo "FAIL: data file values differ:"
    cat data.csv
    status=1
fi
exit $status
