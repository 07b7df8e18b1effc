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
  started=$("$root/tests/wine/start-xvfb.sh" "$build/xvfb.log")
  read -r display xvfb <<<"$started"
  export DISPLAY=:$display
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
