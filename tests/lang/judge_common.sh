# Shared by the checks against independent tools (sourced; CLI is the rekkan-cli to check).

# judge_start TOOL: exit 77 (the test is skipped) when TOOL is not installed; else work in a
# fresh folder that goes at the end, with status 0 so far.
judge_start() {
    if ! command -v "$1" >/dev/null 2>&1; then
        echo "$1 not installed: skipped"
        exit 77
    fi
    WORK=$(mktemp -d)
    trap 'rm -rf "$WORK"' EXIT
    cd "$WORK"
    status=0
}

# judge_lengths FILE: each line "NAME LENGTH" a judge printed (GnuCOBOL's LENGTH OF, signs and
# leading zeros allowed) against the record length of NAME.kvl; a difference sets status 1.
judge_lengths() {
    while read -r name length; do
        length=$(echo "$length" | sed 's/^+//; s/^0*\([0-9]\)/\1/')
        ours=$("$CLI" info "$name.kvl" 2>/dev/null | head -n 1 | cut -f 2)
        if [ "$length" -ne "${ours:-0}" ]; then
            echo "FAIL: $name: judged length $length, layout record length ${ours:-none}"
            status=1
        else
            echo "ok: $name $ours"
        fi
    done < "$1"
}

# judge_c_size FILE: FILE (C with _Static_assert checks) compiles for Windows x64, where long
# is 4 bytes as int; the compiler's messages are left in clang.txt.
judge_c_size() {
    clang --target=x86_64-pc-windows-msvc -fsyntax-only -Wno-invalid-source-encoding -Wno-pragma-pack -x c "$1" \
        2> clang.txt
}
