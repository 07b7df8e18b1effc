#!/usr/bin/env bash
# Measures Duv.exe beside the reference program under Wine, one after the other in
# one Wine session: start-up to the first stamp, process CPU time while ticking,
# peak working set, handle count, and the lag of each second's stamp.
# Usage: bench/run-wine-bench.sh [SECONDS]      (default 600, ten minutes each)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
build=${DUV_BUILD_DIR:-$root/build/bench}
"$root/tools/install-packages.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
session=$root/tests/wine/wine-session.sh
state=$build/bench-session
driver=$build/windows/tests/wine/DuvE2E.exe
"$session" "$state" start "$driver"
trap '"$session" "$state" stop' EXIT

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), $(wine --version)"
echo "core tick (native, Google Benchmark):"
"$build/bench/duv_bench" --benchmark_min_time=0.5 2>/dev/null | grep -E "^BM_" || true
for program in "$build/windows/bench/wine/DuvReference.exe" "$build/windows/src/Duv.exe"; do
  echo "$(basename "$program"): $("$session" "$state" run "$driver" measure "$program" "$seconds")"
done
