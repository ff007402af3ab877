#!/usr/bin/env bash
# Benchmarks: print figures (and ratios against a baseline measured in the same process).
# Nothing here passes or fails on a clock.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/wine-env.sh "$root/build/win64"
tq_build_win64
tq_prefix_ready
tq_display
trap tq_display_stop EXIT
cd build/win64/bin
for b in bench_*.exe; do
  [ -e "$b" ] || continue
  echo "== ${b%.exe} =="
  "$TQ_WINE" "$b"
done
