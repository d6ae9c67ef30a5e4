#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#   1. the whole program and its tests (Release), window tests offscreen;
#   2. everything again under AddressSanitizer + UBSan, windows included;
#   3. the fuzz targets with libFuzzer (clang), a few seconds each over the seed data.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc 2>/dev/null || echo 2)

./scripts/install_deps.sh

echo "== Release build and tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DREKKAN_BUILD_BENCH=ON >/dev/null
cmake --build build -j"$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")

# One more build serves both the sanitizer run and the fuzzing: clang, AddressSanitizer and
# UndefinedBehaviorSanitizer on the core, the windows and all their tests, with the fuzz targets
# linked against libFuzzer. Without clang the same build is made with the default compiler and
# the fuzz targets run over the seed data as ordinary tests.
fuzz=OFF
compiler=()
if command -v clang++ >/dev/null 2>&1; then
  fuzz=ON
  compiler=(-DCMAKE_CXX_COMPILER=clang++)
fi
echo "== Sanitizer build (address, undefined) of the core, the windows and their tests; libFuzzer: $fuzz"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug "${compiler[@]}" -DREKKAN_SANITIZE=ON \
  -DREKKAN_FUZZ="$fuzz" -DREKKAN_BUILD_GUI=ON -DREKKAN_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j"$jobs")

if [ "$fuzz" = ON ]; then
  echo "== Fuzz targets (libFuzzer, ${REKKAN_FUZZ_SECONDS:-8} s each)"
  passed=0
  failed=0
  for target in build-asan/tests/fuzz/*_fuzz; do
    [ -x "$target" ] || continue
    corpus=$(mktemp -d)
    log="build-asan/$(basename "$target").log"
    if "$target" -max_total_time="${REKKAN_FUZZ_SECONDS:-8}" -rss_limit_mb=2048 -max_len=8192 \
        "$corpus" tests/data >"$log" 2>&1; then
      passed=$((passed + 1))
    else
      failed=$((failed + 1))
      echo "FUZZ FAILURE: $target"
      tail -40 "$log"
    fi
    rm -rf "$corpus"
  done
  echo "fuzzing done: $passed targets ran clean, $failed crashed"
  [ "$failed" -eq 0 ]
fi
