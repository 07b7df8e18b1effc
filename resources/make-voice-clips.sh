#!/usr/bin/env bash
# Makes the fourteen voice clips of the hourly time signal: the hours 0 to 11 of the
# 12-hour reckoning and the words said before them for the morning and the afternoon.
# Needs espeak-ng (Japanese voice) and sox; the clips are committed, so the build does not.
# Usage: resources/make-voice-clips.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out="$here/voice"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# Kana only: espeak-ng reads kanji and digits wrongly in its Japanese voice.
texts=(れいじ いちじ にじ さんじ よじ ごじ ろくじ しちじ はちじ くじ じゅうじ じゅういちじ ごぜん ごご)

for i in "${!texts[@]}"; do
  resource=$((100 + i))
  espeak-ng -v ja -s 150 -w "$work/$resource.wav" "${texts[$i]}"
  # Mono, 11025 Hz, 8-bit unsigned PCM with a plain 16-byte format chunk; silence trimmed
  # at both ends so that the four clips of an hour follow each other closely.
  sox "$work/$resource.wav" -r 11025 -c 1 -b 8 -e unsigned-integer -D "$out/$resource.wav" \
    silence 1 0.01 1% reverse silence 1 0.01 1% reverse
done
ls -l "$out"
