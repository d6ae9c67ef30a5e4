#!/bin/sh
# Imports every record of the copybooks in DATA_DIR/judged and compares each record length
# with GnuCOBOL's LENGTH OF. Copybooks named *.ibm.cpy hold constructs IBM and Micro Focus
# compilers accept and are judged under -std=ibm; the rest under -std=default.
# Usage: judged_cobol_check.sh REKKAN_CLI DATA_DIR   (exit 77: GnuCOBOL missing, skipped)
set -eu
CLI=$1
DATA=$2/judged
if ! command -v cobc >/dev/null 2>&1; then
    echo "cobc (GnuCOBOL) not installed: skipped"
    exit 77
fi
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"

status=0
for std in default ibm; do
    if [ "$std" = ibm ]; then files=$(ls "$DATA"/*.ibm.cpy); else files=$(ls "$DATA"/*.cpy | grep -v '\.ibm\.cpy$'); fi
    : > copies.txt
    : > displays.txt
    : > names.txt
    for f in $files; do
        cp "$f" .
        echo "       COPY \"$(basename "$f")\"." >> copies.txt
        for name in $(sed -n 's/^ *01  *\([A-Z0-9-]*\).*/\1/p' "$f"); do
            "$CLI" import cobol "$f" --select "$name" -o "$name.kvl" 2> "$name.report" || { echo "FAIL: $name not imported"; status=1; }
            echo "           DISPLAY \"$name \" LENGTH OF $name." >> displays.txt
            echo "$name" >> names.txt
        done
    done
    {
        printf '       IDENTIFICATION DIVISION.\n       PROGRAM-ID. JUDGE.\n       DATA DIVISION.\n'
        printf '       WORKING-STORAGE SECTION.\n'
        cat copies.txt
        printf '       PROCEDURE DIVISION.\n'
        cat displays.txt
        printf '           STOP RUN.\n'
    } > judge.cob
    cobc -x -std=$std -fbinary-size=2-4-8 -o judge judge.cob
    ./judge > lengths.txt
    [ "$(wc -l < lengths.txt)" -eq "$(wc -l < names.txt)" ] || { echo "FAIL: lengths missing ($std)"; status=1; }
    while read -r name length; do
        length=$(echo "$length" | sed 's/^+//; s/^0*\([0-9]\)/\1/')
        ours=$("$CLI" info "$name.kvl" 2>/dev/null | head -n 1 | cut -f 2)
        if [ "$((length + 0))" -ne "${ours:-0}" ]; then
            echo "FAIL: $name: GnuCOBOL LENGTH OF $length, layout record length $ours"
            status=1
        else
            echo "ok: $name $ours"
        fi
    done < lengths.txt
done
exit $status
