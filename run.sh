#!/usr/bin/env bash
# Installs what is missing, builds, and opens the sample layout group in Rekkan.
# Without a display it says so and shows the samples with rekkan-cli instead.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc 2>/dev/null || echo 2)

./scripts/install_deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$jobs" --target rekkan rekkan-cli samples help_documents

samples=build/samples
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/src/ui/rekkan "$samples/sample.LGP"
fi

echo "No display found (DISPLAY is not set): showing the samples with rekkan-cli instead."
echo "To see the window without a screen: xvfb-run -a build/src/ui/rekkan $samples/sample.LGP"
for layout in "$samples"/customer.kvl "$samples"/cstruct.kvl; do
  echo
  echo "== rekkan-cli info $layout"
  build/src/cli/rekkan-cli info "$layout" --utf8
  data="${layout%.kvl}.dat"
  if build/src/cli/rekkan-cli --help 2>/dev/null | grep -q "^  csv "; then
    echo "== rekkan-cli csv $layout $data --heading"
    build/src/cli/rekkan-cli csv "$layout" "$data" --heading | iconv -f CP932 -t UTF-8 | tr -d '\r'
  fi
done
