#!/bin/sh
# Imports the structures of the C headers in DATA_DIR/judged and compares each record length
# with sizeof under a compiler of the LLP64 data model (long 4 bytes, int 4 bytes), packed to
# 1 byte. Each header names what to check in lines "/* judge SELECT C-TYPE */": the name given
# to --select and the type whose sizeof is the record length.
# Usage: judged_c_check.sh REKKAN_CLI DATA_DIR   (exit 77: clang missing, skipped)
set -eu
CLI=$1
DATA=$2/judged
. "$(dirname "$0")/judge_common.sh"
judge_start clang

for f in "$DATA"/*.h; do
    sed -n 's|^/\* judge \([A-Za-z0-9_]*\) \(.*\) \*/$|\1 \2|p' "$f" > judges.txt
    while read -r select ctype; do
        length=0
        if "$CLI" import c "$f" --option Cmb_Int=1 --select "$select" -o rec.kvl 2> report.txt; then
            length=$("$CLI" info rec.kvl --option Cmb_Int=1 | head -n 1 | cut -f 2)
        fi
        printf '#pragma pack(1)\n#include "%s"\n_Static_assert(sizeof(%s) == %s, "record length");\n' \
            "$f" "$ctype" "$length" > size.c
        if judge_c_size size.c; then
            echo "ok: $(basename "$f") $select $length"
        else
            echo "FAIL: $(basename "$f") $select: record length $length, sizeof differs"
            grep -v "^ *|" clang.txt | head -n 3
            status=1
        fi
    done < judges.txt
done
exit $status
