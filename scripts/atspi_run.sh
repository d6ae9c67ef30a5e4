#!/usr/bin/env bash
# Runs one accessibility check: the record editor over the sample group on a virtual screen with
# a window manager and an accessibility bus, driven by scripts/atspi_CHECK.py.
#   scripts/atspi_run.sh CHECK     (CHECK: browse, kvel, layout_tools, rec_editor, rec_etc, tool_windows)
# Needs xvfb, openbox, at-spi2-core, python3-pyatspi and a build with the samples (./run.sh
# builds them). Not part of ctest: it needs a bus.
set -euo pipefail
cd "$(dirname "$0")/.."
check=scripts/atspi_${1:?usage: scripts/atspi_run.sh CHECK}.py
[ -f "$check" ] || { echo "no check $check" >&2; exit 2; }
exec xvfb-run -a -s "-screen 0 1400x900x24" dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  sleep 1
  openbox >/dev/null 2>&1 &
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 build/src/ui/rekkan build/samples/sample.LGP >/dev/null 2>&1 &
  app=$!
  sleep 3
  /usr/bin/python3 "$0"
  rc=$?
  kill $app 2>/dev/null || true
  exit $rc' "$check"
