#!/bin/sh
# rekkan-cli import cobol and export c|vb|cobol against the golden files.
# Usage: cli_import_export.sh REKKAN_CLI DATA_DIR
set -u
CLI=$1
DATA=$2
GOLD="$DATA/golden"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"
status=0
fail() { echo "FAIL: $*"; status=1; }
same() {  # FILE EXPECTED
    cmp -s "$1" "$2" || fail "$1 differs from $2"
}

"$CLI" import cobol "$GOLD/customer.cpy" --list > list.txt || fail "--list exit code"
[ "$(wc -l < list.txt)" -eq 2 ] || fail "--list gives two structures"
grep -q '^    2\. 33 36      CUSTOMER-TRAILER       CUSTOMER-TRAILER$' list.txt || fail "--list text"
"$CLI" import cobol "$GOLD/customer.cpy" --list --gathered | grep -q '^    2\. 0 0        RED-CUSTOMER-REC' ||
    fail "--gathered lists the RED- record"

"$CLI" import cobol "$GOLD/customer.cpy" -o first.kvl || fail "import exit code"
same first.kvl "$GOLD/customer.kvl"
"$CLI" import cobol "$GOLD/customer.cpy" --select 2 -o by-number.kvl
same by-number.kvl "$GOLD/customer_trailer.kvl"
"$CLI" import cobol "$GOLD/customer.cpy" --select customer-trailer -o by-name.kvl
same by-name.kvl "$GOLD/customer_trailer.kvl"
"$CLI" import cobol "$GOLD/customer.cpy" --gathered --select 2 > red.kvl
same red.kvl "$GOLD/customer_red.kvl"

# Import options.
printf '01 R.\r\n  05 A PIC X(3). *> first item\r\n' > free.cpy
"$CLI" import cobol free.cpy --seq 0 --valid 0 --comment-marker '*>' | grep -q 'KOM=first item%!#VNM=A%' ||
    fail "--seq/--valid/--comment-marker"
# Columns 73-80 hold text that the default valid columns (72) cut away.
printf '000010 01 R.\r\n000020*  @@name@@\r\n000030     05 A PIC X(3).%47sXXXXXXXX\r\n' '' > fixed.cpy
"$CLI" import cobol fixed.cpy --ignore '@' | grep -q 'KOM=name%!#VNM=A%!#RED=%!#TYP=1%!#RPT=1%!#BYT=3%' ||
    fail "--ignore and the default columns"
"$CLI" import cobol fixed.cpy --valid 80 | grep -q 'VNM=A%' && fail "--valid 80 keeps the text of columns 73-80"
"$CLI" import cobol fixed.cpy --comment-valid 12 | grep -q 'KOM=@@n%!#VNM=A%' || fail "--comment-valid"

# Failures: exit 2 and nothing written.
"$CLI" import cobol missing.cpy -o never.kvl 2>/dev/null
[ $? -eq 2 ] || fail "a missing source exits 2"
"$CLI" import cobol "$GOLD/customer.cpy" --select 3 -o never.kvl 2>/dev/null
[ $? -eq 2 ] || fail "--select out of range exits 2"
"$CLI" import cobol "$GOLD/customer.cpy" --seq 11 -o never.kvl 2>/dev/null
[ $? -eq 2 ] || fail "--seq above 10 exits 2"
[ ! -e never.kvl ] || fail "nothing is written on failure"
"$CLI" export cobol missing.kvl -o never.cob 2>/dev/null
[ $? -eq 2 ] || fail "export of a missing layout exits 2"
[ ! -e never.cob ] || fail "nothing is written on a failed export"

# Exports.
"$CLI" export c "$DATA/cobol_types.kvl" -o out.h && same out.h "$GOLD/cobol_types.h.golden"
"$CLI" export vb "$DATA/cobol_types.kvl" -o out.vb && same out.vb "$GOLD/cobol_types.vb"
"$CLI" export cobol "$DATA/cobol_types.kvl" -o out.cob && same out.cob "$GOLD/cobol_types.cob"
"$CLI" export cobol "$DATA/cobol_types.kvl" --option Cmb_CobSN=0 --option Cmb_CobIV=4 --option Cmb_CobID=0 \
    --option Cmb_CobKP=3 --option Cmb_CobPP=30 --option Cmb_CobCR=1 --option Cmb_CobJpn=1 --option Cmb_CobPK=1 \
    -o options.cob && same options.cob "$GOLD/cobol_types_options.cob"
"$CLI" export c "$DATA/c_types.kvl" --option Cmb_Int=1 > c.h && same c.h "$GOLD/c_types.h.golden"
exit $status
