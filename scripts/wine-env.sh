#!/usr/bin/env bash
# Sourced by the scripts that run Windows programs: a Wine prefix per build tree, made once,
# with the dialog font mapped to an installed CJK font and Wine drawing its own captions.
# Usage: source scripts/wine-env.sh <build dir>
tq_build=$(mkdir -p "${1:?build dir}" && cd "$1" && pwd)
export WINEPREFIX="$tq_build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export TQ_WINE=/usr/lib/wine/wine64
tq_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

tq_prefix_ready() {
  [ -f "$WINEPREFIX/.tq-ready" ] && return 0
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    [ -f "$WINEPREFIX/.tq-ready" ] && exit 0
    "$TQ_WINE" wineboot -i >/dev/null 2>&1 || true
    # The templates ask for 宋体. AR PL UMing is a Song face with metrics close to it, so
    # dialog units come out near their size on Windows (a taller face such as WenQuanYi
    # stretches the controls over the painted previews). A UTF-8 locale, or the value names
    # reach the registry garbled.
    for face in 宋体 SimSun; do
      LANG=C.UTF-8 "$TQ_WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ \
        /d 'AR PL UMing CN' /f >/dev/null 2>&1
    done
    "$TQ_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    "$TQ_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
    /usr/lib/wine/wineserver -w 2>/dev/null || true
    touch "$WINEPREFIX/.tq-ready"
  ) 9>"$WINEPREFIX/.tq-lock"
}

# Starts a virtual display when there is no screen; sets TQ_XVFB_PID when it started one.
tq_display() {
  if [ -n "${DISPLAY:-}" ]; then
    local d=${DISPLAY#*:}; d=${d%%.*}
    [ -e "/tmp/.X11-unix/X$d" ] && return 0
  fi
  for n in $(seq 90 120); do
    # A lock whose server is gone (killed hard) is stale: its number is free again.
    local pid=""
    [ -f "/tmp/.X$n-lock" ] && pid=$(tr -dc 0-9 < "/tmp/.X$n-lock")
    [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null && continue
    [ -e "/tmp/.X11-unix/X$n" ] && [ -z "$pid" ] && continue
    rm -f "/tmp/.X$n-lock" "/tmp/.X11-unix/X$n" 2>/dev/null
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    TQ_XVFB_PID=$!
    # A server of another file system view (a chroot, a container) can hold the number's
    # abstract socket while our /tmp shows it free: then Xvfb exits, and the next number is tried.
    for _ in $(seq 1 200); do
      if [ -e "/tmp/.X11-unix/X$n" ]; then export DISPLAY=":$n"; return 0; fi
      kill -0 "$TQ_XVFB_PID" 2>/dev/null || break
      sleep 0.05
    done
    kill "$TQ_XVFB_PID" 2>/dev/null || true
    wait "$TQ_XVFB_PID" 2>/dev/null || true
    unset TQ_XVFB_PID
  done
  echo "no free display number" >&2
  return 1
}

tq_display_stop() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  if [ -n "${TQ_XVFB_PID:-}" ]; then kill "$TQ_XVFB_PID" 2>/dev/null || true; wait "$TQ_XVFB_PID" 2>/dev/null || true; fi
}

# Sets up the machine and builds the x86_64 tree that the Windows programs run from.
tq_build_win64() {
  bash "$tq_root/scripts/setup.sh"
  cmake -S "$tq_root" --preset win64 >/dev/null
  cmake --build "$tq_build"
}
