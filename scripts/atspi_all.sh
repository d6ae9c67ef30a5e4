#!/usr/bin/env bash
# Runs every accessibility check in scripts/ one after another, each with its own virtual
# screen and bus, and says which failed. Needs a build with the samples (./run.sh builds them).
cd "$(dirname "$0")/.."
failed=()
for script in scripts/atspi_*.py; do
  check=$(basename "$script" .py)
  check=${check#atspi_}
  [ "$check" = common ] && continue
  echo "== $check"
  if ! timeout -k 5 180 scripts/atspi_run.sh "$check"; then
    failed+=("$check")
  fi
done
if [ ${#failed[@]} -ne 0 ]; then
  echo "failed: ${failed[*]}"
  exit 1
fi
echo "every accessibility check passed"
