#!/usr/bin/env bash
# Every test: native unit tests, the shipping i686 build with its static checks, and the
# behaviour tests of the x86_64 build under wine64 on a virtual display; then a short fuzzing
# run of the file parsers. Sets up what it needs first.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh || exit 1

status=0
total=0
failed=0
step() { echo; echo "=== $* ==="; }
# Runs ctest and adds its counts to the totals.
run_ctest() {
  local log
  log=$(mktemp)
  ctest "$@" 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  local line
  line=$(grep -E '[0-9]+ tests failed out of [0-9]+' "$log" | tail -1)
  if [ -n "$line" ]; then
    failed=$((failed + $(echo "$line" | sed -E 's/.* ([0-9]+) tests failed.*/\1/')))
    total=$((total + $(echo "$line" | sed -E 's/.*out of ([0-9]+).*/\1/')))
  fi
  rm -f "$log"
  [ "$rc" -eq 0 ] || status=1
}

step "native build and unit tests"
cmake --preset native >/dev/null && cmake --build --preset native || exit 1
run_ctest --preset native

step "i686 build (the shipping module) and its static checks"
cmake --preset win32 >/dev/null && cmake --build --preset win32 || exit 1
run_ctest --test-dir build/win32 --output-on-failure

step "x86_64 build and behaviour tests under wine64"
cmake --preset win64 >/dev/null && cmake --build --preset win64 || exit 1
source scripts/wine-env.sh "$root/build/win64"
tq_prefix_ready
tq_display || exit 1
run_ctest --test-dir build/win64 --output-on-failure
tq_display_stop

if [ -x scripts/fuzz.sh ]; then
  step "fuzzing"
  bash scripts/fuzz.sh || status=1
fi

echo
if [ $status -eq 0 ]; then echo "all test suites passed"; else echo "some tests failed"; fi
echo "$((total - failed)) passed, $failed failed"
exit $status
