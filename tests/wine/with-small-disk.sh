#!/usr/bin/env bash
# Runs a command with the session's data folder on a small file system of its own,
# so that a case can fill it up. Exits 77 (skipped) where no such file system can be
# mounted.
# Usage: with-small-disk.sh STATE-DIR COMMAND...
set -euo pipefail
state=${1:?state dir}
shift
folder="$state/prefix/drive_c/users/$(id -un)/AppData/Roaming/Marnex"
mkdir -p "$folder"
if ! mount -t tmpfs -o size=256k duv-small-disk "$folder" 2>/dev/null; then
  echo "cannot mount a small file system here: skipped"
  exit 77
fi
trap 'umount "$folder"' EXIT
mkdir -p "$folder/Qel"
"$@"
