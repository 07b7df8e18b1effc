#!/usr/bin/env bash
# Makes a Wine prefix to run Duv.exe in: Windows XP 64-bit (whose Start button carries
# a text), a 1024x768 virtual desktop with Wine's taskbar, no sound device, and Japanese
# fonts for the user interface. With "plain", windows go straight onto the X display
# instead, where Wine shows no taskbar and no Start button.
# Usage: make-prefix.sh PREFIX-DIR [shell|plain]
set -euo pipefail
prefix=${1:?usage: make-prefix.sh PREFIX-DIR [shell|plain]}
desktop=${2:-shell}
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

if [ -f "$prefix/.duv-prefix-ready" ]; then
  exit 0
fi
rm -rf "$prefix"
mkdir -p "$prefix"
wineboot -i >/dev/null 2>&1
winecfg -v winxp64 >/dev/null 2>&1

reg=$(mktemp --suffix=.reg)
trap 'rm -f "$reg"' EXIT
if [ "$desktop" = shell ]; then
  cat >"$reg" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="shell"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"shell"="1024x768"

REG
else
  printf 'Windows Registry Editor Version 5.00\n\n' >"$reg"
fi
cat >>"$reg" <<'REG'
[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Audio"=""

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS UI Gothic"="IPAGothic"
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
REG
wine regedit /S "$reg" >/dev/null 2>&1

# Wine's own marlett draws the caption buttons; its tahoma must not be copied, it
# breaks Japanese text in captions.
cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
wineserver -w
touch "$prefix/.duv-prefix-ready"
