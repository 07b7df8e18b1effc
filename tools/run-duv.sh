#!/usr/bin/env bash
# Builds Duv.exe and starts it in a Wine virtual desktop beside a window to stamp:
# on the real display when there is one, otherwise on a headless one. Saves a
# screenshot and prints the stamped title.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-packages.sh"
build=${DUV_BUILD_DIR:-$root/build/run}
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

export WINEPREFIX=$build/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$root/tests/wine/make-prefix.sh" "$WINEPREFIX"

headless=0
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  headless=1
  display=99
  while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=:$display
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
fi

wine notepad >/dev/null 2>&1 &
sleep 2
wine "$build/windows/src/Duv.exe" >/dev/null 2>&1 &
title=$(wine "$build/windows/tests/wine/DuvE2E.exe" stamped-title || true)
screenshot=$build/duv-screenshot.png
import -window root "$screenshot"
echo "stamped title: $title"
echo "screenshot:    $screenshot"

if [ "$headless" -eq 1 ]; then
  wineserver -k
  kill "$xvfb"
else
  echo "Duv.exe keeps running on $DISPLAY; end it with: WINEPREFIX=$WINEPREFIX wineserver -k"
fi
