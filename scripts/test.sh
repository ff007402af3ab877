#!/usr/bin/env bash
# Every test: native unit tests, the shipping i686 build with its static checks, and the
# behaviour tests of the x86_64 build under wine64 on a virtual display; then a short fuzzing
# run of the file parsers. Sets up what it needs first.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh || exit 1

status=0
step() { echo; echo "=== $* ==="; }

step "native build and unit tests"
cmake --preset native >/dev/null && cmake --build --preset native || exit 1
ctest --preset native || status=1

step "i686 build (the shipping module) and its static checks"
cmake --preset win32 >/dev/null && cmake --build --preset win32 || exit 1
ctest --test-dir build/win32 --output-on-failure || status=1

step "x86_64 build and behaviour tests under wine64"
cmake --preset win64 >/dev/null && cmake --build --preset win64 || exit 1
source scripts/wine-env.sh "$root/build/win64"
tq_prefix_ready
tq_display || exit 1
ctest --test-dir build/win64 --output-on-failure || status=1
tq_display_stop

if [ -x scripts/fuzz.sh ]; then
  step "fuzzing"
  bash scripts/fuzz.sh || status=1
fi

echo
if [ $status -eq 0 ]; then echo "all test suites passed"; else echo "some tests failed"; fi
exit $status
