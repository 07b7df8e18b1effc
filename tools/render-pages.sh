#!/usr/bin/env bash
# Renders the four pages of the settings window under Wine and saves a PNG of each
# in docs/pages/, so that anyone can look at the window as a user sees it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${DUV_BUILD_DIR:-$root/build/run}
out=${1:-$root/docs/pages}
"$root/tools/install-packages.sh"
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
session=$root/tests/wine/wine-session.sh
state=$build/pages-session
driver=$build/windows/tests/wine/DuvE2E.exe
"$session" "$state" start "$driver"
trap '"$session" "$state" stop' EXIT
export WINEPREFIX=$state/prefix WINEDEBUG=-all DISPLAY=:$(cat "$state/display")

# A program folder with the sibling tool beside Duv.exe, and a profile with a little in it.
folder=$state/program
mkdir -p "$folder" "$out"
cp "$build/windows/src/Duv.exe" "$folder/"
cp "$build/windows/tests/wine/FakeQel.exe" "$folder/Qel.exe"
mkdir -p "$WINEPREFIX/drive_c/Scripts"
printf 'script' >"$WINEPREFIX/drive_c/Scripts/daily.qel"
data="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Marnex/Qel"
mkdir -p "$data"
script='C:\Scripts\daily.qel'
printf '[Disp]\r\nWhistle=1\r\nWhistleFront=1\r\nAlarm=1\r\nAlarmHour=7\r\nAlarmMin=30\r\n[Disable]\r\nCount=0\r\n0=NOTEPAD.EXE\r\n[Qel]\r\nCount=0\r\nFile0=%s\r\nHour0=7\r\nMin0=5\r\nDay0= 月 水 金\r\n' "$script" \
  | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$data/Duv.ini"

wine "$folder/Duv.exe" >/dev/null 2>&1 &
for _ in $(seq 50); do sleep 0.2; wine "$driver" show-page 0 >/dev/null 2>&1 && break; done
for page in 0 1 2 3; do
  read -r x y w h < <(wine "$driver" show-page "$page" | tail -n 1)
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/page-$((page + 1)).png"
  echo "$out/page-$((page + 1)).png"
done
