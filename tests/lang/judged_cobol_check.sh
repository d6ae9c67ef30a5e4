#!/bin/sh
# Imports every record of the copybooks in DATA_DIR/judged and compares each record length
# with GnuCOBOL's LENGTH OF. Copybooks named *.ibm.cpy hold constructs IBM and Micro Focus
# compilers accept and are judged under -std=ibm; the rest under -std=default. Each record is
# judged twice: imported with its redefinitions in place and with them gathered (--gathered).
# Usage: judged_cobol_check.sh REKKAN_CLI DATA_DIR   (exit 77: GnuCOBOL missing, skipped)
set -eu
CLI=$1
DATA=$2/judged
. "$(dirname "$0")/judge_common.sh"
judge_start cobc

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
            "$CLI" import cobol "$f" --select "$name" --gathered -o "$name.gathered.kvl" 2> /dev/null ||
                { echo "FAIL: $name not imported with --gathered"; status=1; }
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
    judge_lengths lengths.txt
    # Redefinitions gathered into RED- records of their own leave each record its length.
    while read -r name; do mv "$name.gathered.kvl" "$name.kvl"; done < names.txt
    judge_lengths lengths.txt
done
exit $status
