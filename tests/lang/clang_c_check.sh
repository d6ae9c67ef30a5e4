#!/bin/sh
# Checks the C output with a compiler of the LLP64 data model (long 4 bytes): the structure
# written for a layout compiles and, packed to 1 byte, its sizeof is the record length.
# Usage: clang_c_check.sh REKKAN_CLI DATA_DIR   (exit 77: clang missing, skipped)
set -eu
CLI=$1
DATA=$2
. "$(dirname "$0")/judge_common.sh"
judge_start clang

# LAYOUT VARIABLE OPTIONS...: the size program of the C written for LAYOUT, in size.c.
size_program() {
    layout=$1
    variable=$2
    shift 2
    "$CLI" export c "$layout" "$@" -o out.h
    length=$("$CLI" info "$layout" "$@" | head -n 1 | cut -f 2)
    cat > size.c <<END
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned long DWORD;
#pragma pack(1)
#include "out.h"
_Static_assert(sizeof($variable) == $length, "record length");
_Static_assert(sizeof(long) == 4, "LLP64");
END
}

# int members are 4 bytes under this compiler: the int size is set to match (Cmb_Int 1).
size_program "$DATA/c_types.kvl" c_rec --option Cmb_Int=1
if judge_c_size size.c; then
    echo "ok: c_types.kvl $length"
else
    echo "FAIL: c_types.kvl (record length $length)"
    cat clang.txt
    status=1
fi
# Long as 8 bytes would not fit the model: the same layout must fail then.
size_program "$DATA/c_types.kvl" c_rec --option Cmb_Int=1 --option Cmb_Long=3
if judge_c_size size.c; then
    echo "FAIL: the size check does not catch a wrong size"
    status=1
fi
exit $status
