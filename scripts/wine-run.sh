#!/usr/bin/env bash
# Runs one Windows program of a build tree under wine64 (ctest's emulator for the win64 tests).
# Uses the caller's display when there is one, else a virtual display of its own.
set -u
here=$(cd "$(dirname "$0")" && pwd)
exe=$(readlink -f "${1:?program}")
shift
build=$(cd "$(dirname "$exe")/.." && pwd)
source "$here/wine-env.sh" "$build"
tq_prefix_ready
started=0
if [ -z "${DISPLAY:-}" ]; then tq_display || exit 1; started=1; fi
cd "$(dirname "$exe")"
"$TQ_WINE" "$exe" "$@"
rc=$?
[ $started = 1 ] && tq_display_stop
exit $rc
