#!/usr/bin/env bash
# The soak case, with the program's file descriptors and resident memory read from the
# Linux side as well (Wine counts no handles of its own): after the first minute and
# near the end they may not have grown by more than a little.
# Usage: soak.sh STATE-DIR DRIVER.EXE DUV.EXE MINUTES
set -euo pipefail
state=${1:?state}
driver=${2:?driver}
duv=${3:?duv}
minutes=${4:-30}
here=$(cd "$(dirname "$0")" && pwd)
prefix=$state/prefix

duv_pid() {
  local pid
  for pid in $(pgrep -f 'Duv\.exe' || true); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$prefix"; then
      echo "$pid"
      return
    fi
  done
}

sample() { # pid -> "descriptors rss_kb"
  echo "$(ls "/proc/$1/fd" | wc -l) $(awk '/VmRSS/ {print $2}' "/proc/$1/status")"
}

"$here/wine-session.sh" "$state" run "$driver" run SoakKeepsMemoryAndHandlesFlat "$duv" "$minutes" &
case_pid=$!
sleep 75
pid=$(duv_pid)
[ -n "$pid" ] || { echo "no Duv.exe of this session"; kill "$case_pid"; exit 1; }
read -r fd1 rss1 < <(sample "$pid")
echo "after a minute: $fd1 descriptors, $rss1 KB resident"
sleep $((minutes * 60 - 120))
[ -d "/proc/$pid" ] || { echo "Duv.exe ended before the half hour was over"; kill "$case_pid"; exit 1; }
read -r fd2 rss2 < <(sample "$pid")
echo "near the end: $fd2 descriptors, $rss2 KB resident"
status=0
wait "$case_pid" || status=$?
if [ "$fd2" -gt $((fd1 + 2)) ]; then echo "descriptors leaked"; status=1; fi
if [ "$rss2" -gt $((rss1 + rss1 / 20 + 1024)) ]; then echo "resident memory grew"; status=1; fi
exit "$status"
