#!/bin/sh
# Checks the C output with a compiler of the LLP64 data model (long 4 bytes): the structure
# written for a layout compiles and, packed to 1 byte, its sizeof is the record length.
# Usage: clang_c_check.sh REKKAN_CLI DATA_DIR   (exit 77: clang missing, skipped)
set -eu
CLI=$1
DATA=$2
if ! command -v clang >/dev/null 2>&1; then
    echo "clang not installed: skipped"
    exit 77
fi
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"

status=0
check() {  # LAYOUT VARIABLE OPTIONS...
    layout=$1
    variable=$2
    shift 2
    "$CLI" export c "$layout" "$@" -o out.h
    length=$("$CLI" info "$layout" "$@" | head -n 1 | cut -f 2)
    cat > size.c <<EOF
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned long DWORD;
#pragma pack(1)
#include "out.h"
_Static_assert(sizeof($variable) == $length, "record length");
_Static_assert(sizeof(long) == 4, "LLP64");
EOF
    if clang --target=x86_64-pc-windows-msvc -fsyntax-only -Wno-invalid-source-encoding -x c size.c; then
        echo "ok: $layout $length"
    else
        echo "FAIL: $layout (record length $length)"
        status=1
    fi
}

# int members are 4 bytes under this compiler: the int size is set to match (Cmb_Int 1).
check "$DATA/c_types.kvl" c_rec --option Cmb_Int=1
# Long as 8 bytes would not fit the model: the same layout must fail then.
"$CLI" export c "$DATA/c_types.kvl" --option Cmb_Int=1 --option Cmb_Long=3 -o out.h
length=$("$CLI" info "$DATA/c_types.kvl" --option Cmb_Int=1 --option Cmb_Long=3 | head -n 1 | cut -f 2)
printf 'typedef unsigned char BYTE; typedef unsigned short WORD; typedef unsigned long DWORD;\n#pragma pack(1)\n#include "out.h"\n_Static_assert(sizeof(c_rec) == %s, "x");\n' "$length" > size.c
if clang --target=x86_64-pc-windows-msvc -fsyntax-only -x c size.c 2>/dev/null; then
    echo "FAIL: the size check does not catch a wrong size"
    status=1
fi
exit $status
