#!/usr/bin/env bash
# The long run of the fault tests: Duv.exe killed during saves 1000 times, half an hour
# of ticking, and each fuzz target for 30 minutes (FUZZ_SECONDS to change).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-packages.sh"
build=$root/build/long
sanitized=$root/build/long-sanitized
cmake -S "$root" -B "$build" -DDUV_LONG_TESTS=ON -DDUV_KILL_ROUNDS=1000 -DDUV_SOAK_MINUTES=30 >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
cmake -S "$root" -B "$sanitized" -DCMAKE_CXX_COMPILER=clang++ -DDUV_SANITIZE=ON -DDUV_FUZZ=ON -DDUV_WINDOWS=OFF \
  -DDUV_FUZZ_SECONDS="${FUZZ_SECONDS:-1800}" >/dev/null
cmake --build "$sanitized" -j"$(nproc)" >/dev/null
ctest --test-dir "$build" -L long -j2 --output-on-failure &
long=$!
ctest --test-dir "$sanitized" -L fuzz --output-on-failure
wait "$long"
