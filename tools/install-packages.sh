#!/usr/bin/env bash
# Installs the Debian packages that building and testing Duv need, when they are missing.
set -euo pipefail
packages=(
  cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev # native core, unit tests, benchmarks
  clang libclang-rt-14-dev                           # sanitizers and libFuzzer
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 # Duv.exe
  wine wine64 xvfb xauth x11-utils imagemagick         # Wine, a display, screenshots
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-wine # Japanese text, caption buttons
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
