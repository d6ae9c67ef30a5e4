#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#   1. the whole program and its tests (Release), window tests offscreen;
#   2. the GUI-free core and its tests again under AddressSanitizer + UBSan;
#   3. the fuzz targets with libFuzzer (clang), a few seconds each over the seed data.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc 2>/dev/null || echo 2)

./scripts/install_deps.sh

echo "== Release build and tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DREKKAN_BUILD_BENCH=ON >/dev/null
cmake --build build -j"$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")

echo "== Sanitizer build (address, undefined) of the core and its tests"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DREKKAN_SANITIZE=ON \
  -DREKKAN_BUILD_GUI=OFF -DREKKAN_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j"$jobs")

if command -v clang++ >/dev/null 2>&1; then
  echo "== Fuzz targets (libFuzzer)"
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DREKKAN_FUZZ=ON \
    -DREKKAN_BUILD_TESTS=OFF -DREKKAN_BUILD_GUI=OFF -DREKKAN_BUILD_BENCH=OFF >/dev/null
  cmake --build build-fuzz -j"$jobs"
  passed=0
  failed=0
  for target in build-fuzz/tests/fuzz/*_fuzz; do
    [ -x "$target" ] || continue
    corpus=$(mktemp -d)
    if "$target" -max_total_time="${REKKAN_FUZZ_SECONDS:-8}" -rss_limit_mb=1024 -print_final_stats=0 \
        "$corpus" tests/data >"build-fuzz/$(basename "$target").log" 2>&1; then
      passed=$((passed + 1))
    else
      failed=$((failed + 1))
      echo "FUZZ FAILURE: $target"; tail -40 "build-fuzz/$(basename "$target").log"
    fi
    rm -rf "$corpus"
  done
  echo "fuzz: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
fi
