#!/usr/bin/env bash
# Benchmarks: print figures (and ratios against a baseline measured in the same process) and
# the size of the shipping module.
# Nothing here passes or fails on a clock.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/wine-env.sh "$root/build/win64"
tq_build_win64
# The shipping module's size: the i686 build, stripped, with its symbols beside it.
cmake --preset win32 >/dev/null && cmake --build --preset win32 --target TQDim >/dev/null
echo "== shipping module =="
echo "build/win32/bin/TQDim.dll (i686, stripped): $(stat -c %s build/win32/bin/TQDim.dll) bytes;" \
     "symbols in TQDim.dll.debug: $(stat -c %s build/win32/bin/TQDim.dll.debug) bytes"
tq_prefix_ready
tq_display
trap tq_display_stop EXIT
cd build/win64/bin
for b in bench_*.exe; do
  [ -e "$b" ] || continue
  echo "== ${b%.exe} =="
  "$TQ_WINE" "$b"
done
