#!/usr/bin/env bash
# One Wine session for the end-to-end tests: an Xvfb display of its own, a prefix made
# by make-prefix.sh and a keeper process that holds the virtual desktop open between
# tests.
# Usage: wine-session.sh STATE-DIR start KEEPER.EXE [shell|plain]
#        wine-session.sh STATE-DIR run PROGRAM.EXE [ARGS...]
#        wine-session.sh STATE-DIR stop
set -euo pipefail
state=$(realpath -m "${1:?state dir}")
action=${2:?action}
shift 2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$state"

export WINEPREFIX=$state/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

wait_for() { # seconds, command...
  local limit=$1 i
  shift
  for i in $(seq 1 $((limit * 10))); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  return 1
}

stop_session() {
  if [ -f "$state/display" ]; then
    DISPLAY=:$(cat "$state/display") wineserver -k 2>/dev/null || true
    wineserver -k 2>/dev/null || true
  fi
  if [ -f "$state/xvfb.pid" ]; then
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
  fi
  rm -f "$state/display" "$state/xvfb.pid"
}

case "$action" in
start)
  keeper=${1:?keeper program}
  desktop=${2:-shell}
  stop_session
  "$here/make-prefix.sh" "$WINEPREFIX" "$desktop"
  started=$("$here/start-xvfb.sh" "$state/xvfb.log")
  read -r display xvfb <<<"$started"
  echo "$xvfb" >"$state/xvfb.pid"
  echo "$display" >"$state/display"
  export DISPLAY=:$display
  nohup wine "$keeper" keepalive "$desktop" >"$state/keeper.log" 2>&1 &
  # The desktop is up once the keeper has seen it (with its taskbar, where it has one).
  wait_for 60 grep -q ready "$state/keeper.log"
  ;;
run)
  # Screenshots a case saves land in artefacts/, as PNG where ImageMagick is there.
  export DISPLAY=:$(cat "$state/display") DUV_ARTEFACTS=$state/artefacts
  status=0
  wine "$@" || status=$?
  if command -v convert >/dev/null; then
    for bitmap in "$DUV_ARTEFACTS"/*.bmp; do
      [ -e "$bitmap" ] && convert "$bitmap" "${bitmap%.bmp}.png" && rm -f "$bitmap"
    done
  fi
  exit "$status"
  ;;
stop)
  stop_session
  ;;
*)
  echo "unknown action $action" >&2
  exit 2
  ;;
esac
