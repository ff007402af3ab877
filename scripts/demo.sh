#!/usr/bin/env bash
# The main job: set up, build the module and the demo host (x86_64, run under wine64), then
# open the module's dialogs from the demo host. With a screen the host window is interactive;
# without one it runs on a virtual display, opens every dialog in turn and saves a PNG
# screenshot of each into out/screenshots/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/wine-env.sh "$root/build/win64"
tq_build_win64
tq_prefix_ready
cd build/win64/bin
if [ -n "${DISPLAY:-}" ] && [ "${1:-}" != "--auto" ]; then
  exec "$TQ_WINE" demo_host.exe
fi
shots="$root/out/screenshots"
mkdir -p "$shots"
tq_display
trap tq_display_stop EXIT
# Wine's Z: drive is the Linux root.
"$TQ_WINE" demo_host.exe --auto "Z:${shots//\//\\}"
for bmp in "$shots"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
echo "screenshots saved in $shots:"
ls -1 "$shots"
