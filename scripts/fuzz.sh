#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each one briefly.
# Usage: scripts/fuzz.sh [seconds per fuzzer, default 20]
# Exits non-zero when a fuzzer finds a crash; its reproducer is left in build/fuzz/crashes.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
build="$root/build/fuzz"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 1
cmake --build "$build" --target fuzzers || exit 1

mkdir -p "$build/corpus" "$build/crashes"
status=0
found=0
for fuzzer in "$build"/bin/*_fuzz; do
  [ -x "$fuzzer" ] || continue
  found=1
  name=$(basename "$fuzzer")
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  dirs=("$corpus")
  [ -d "$build/fuzz-seeds/$name" ] && dirs+=("$build/fuzz-seeds/$name")
  echo "== $name (${seconds}s)"
  if ! "$fuzzer" "${dirs[@]}" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
       -artifact_prefix="$build/crashes/$name-" >"$build/$name.log" 2>&1; then
    echo "$name: crash, see $build/$name.log and $build/crashes/"
    tail -40 "$build/$name.log"
    status=1
  else
    grep -E '^stat::number_of_executed_units|^#[0-9]+.*DONE' "$build/$name.log" | tail -2
  fi
done
[ $found = 1 ] || { echo "no fuzzers were built"; exit 1; }
exit $status
