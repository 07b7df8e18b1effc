#!/usr/bin/env bash
# Starts a headless X display on a number the X server picks itself, so that sessions
# started at the same moment never share one, and prints "NUMBER PID" once it answers.
# Usage: start-xvfb.sh LOG-FILE
set -euo pipefail
log=${1:?log file}
number_file=$(mktemp)
trap 'rm -f "$number_file"' EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >"$log" 2>&1 &
pid=$!
for _ in $(seq 200); do
  if grep -qE '^[0-9]+$' "$number_file"; then
    echo "$(cat "$number_file") $pid"
    exit 0
  fi
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill "$pid" 2>/dev/null || true
echo "Xvfb did not start; see $log" >&2
exit 1
