#!/bin/sh
# Times the record commands of rekkan-cli on a 1,000,000-record file of a 120-byte business
# layout, beside cat and cp + sync of the same file, with the peak resident memory of each.
#   bench/records_bench.sh            (from the repository root)
# Environment: BUILD (build folder, default build-records-rel), WORK (scratch folder, default
# a fresh folder under /tmp), RECORDS (default 1000000), BIG_RECORDS (records of the ~1 GiB
# file for delete, default 8947849 = 1,073,741,880 bytes).
set -eu

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$ROOT/build-records-rel}
RECORDS=${RECORDS:-1000000}
BIG_RECORDS=${BIG_RECORDS:-8947849}
WORK=${WORK:-$(mktemp -d /tmp/rekkan-records-bench.XXXXXX)}
mkdir -p "$WORK"
trap 'rm -rf "$WORK"' EXIT

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DREKKAN_BUILD_GUI=OFF \
    -DREKKAN_BUILD_TESTS=OFF -DREKKAN_BUILD_BENCH=ON >/dev/null
cmake --build "$BUILD" --target rekkan-cli make_business_file -j2 >/dev/null
CLI=$BUILD/src/cli/rekkan-cli
GEN=$BUILD/bench/make_business_file

LAYOUT=$WORK/business.kvl
DATA=$WORK/business.dat
BIG=$WORK/business_big.dat
"$GEN" "$LAYOUT" "$DATA" "$RECORDS"
"$GEN" "$LAYOUT" "$BIG" "$BIG_RECORDS"
SIZE=$(stat -c %s "$DATA")
BIG_SIZE=$(stat -c %s "$BIG")

# measure NAME BYTES COMMAND...: runs the command under /usr/bin/time -v; prints the wall
# seconds and MB/s of BYTES, the CPU seconds (user + system) and MB/s on them (what one core
# does, whatever else the machine runs), and the peak resident memory.
measure() {
    name=$1
    bytes=$2
    shift 2
    /usr/bin/time -v -o "$WORK/time.txt" "$@" >/dev/null
    secs=$(awk -F': ' '/Elapsed \(wall clock\)/ {n = split($2, p, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i]; print s}' "$WORK/time.txt")
    cpu=$(awk -F': ' '/User time|System time/ {s += $2} END {printf "%.2f", s}' "$WORK/time.txt")
    rss=$(awk -F': ' '/Maximum resident set size/ {printf "%.1f", $2 / 1024}' "$WORK/time.txt")
    rate=$(awk -v b="$bytes" -v s="$secs" 'BEGIN { if (s > 0) printf "%.0f", b / s / 1e6; else print "inf" }')
    cpurate=$(awk -v b="$bytes" -v s="$cpu" 'BEGIN { if (s > 0) printf "%.0f", b / s / 1e6; else print "inf" }')
    printf '%-40s %7.2f s %6s MB/s | cpu %6.2f s %6s MB/s | %6s MiB peak RSS\n' "$name" "$secs" "$rate" "$cpu" "$cpurate" "$rss"
}

echo "data file: $RECORDS records, $SIZE bytes; big file: $BIG_RECORDS records, $BIG_SIZE bytes"
cat "$DATA" >/dev/null  # into the page cache
measure "cat (data file)" "$SIZE" cat "$DATA"
measure "rekkan-cli csv" "$SIZE" "$CLI" csv "$LAYOUT" "$DATA"
measure "rekkan-cli csv --heading --rec-no --pos" "$SIZE" "$CLI" csv "$LAYOUT" "$DATA" --heading --rec-no --pos
measure "rekkan-cli search (no hit)" "$SIZE" "$CLI" search "$LAYOUT" "$DATA" "NOWHERE-ZZ"
measure "rekkan-cli search --or (2 words)" "$SIZE" "$CLI" search "$LAYOUT" "$DATA" --or "NOWHERE-ZZ" "XXYYZZ"

cat "$BIG" >/dev/null
measure "cat (big file)" "$BIG_SIZE" cat "$BIG"
measure "cp + sync (big file)" "$BIG_SIZE" sh -c "cp '$BIG' '$WORK/copy.dat' && sync '$WORK/copy.dat'"
rm -f "$WORK/copy.dat"
cat "$BIG" >/dev/null
measure "rekkan-cli delete (Rec.No 2, big)" "$BIG_SIZE" "$CLI" delete "$LAYOUT" "$BIG" 2
echo "goals: csv >= 150 MB/s; search >= csv; delete <= 1.5 x cp + sync; peak RSS <= 64 MiB"
