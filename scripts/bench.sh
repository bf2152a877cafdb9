#!/usr/bin/env bash
# Builds the benchmarks in a Release build and runs them once; arguments go to the
# benchmark program (e.g. --benchmark_filter=Split).
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$repo/build/bench"

"$repo/scripts/install-packages.sh" bench
cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DWENDRIX_BENCH=ON -DWENDRIX_TESTS=OFF
cmake --build "$build" --target wendrix_bench --parallel 2

exec "$build/bench/wendrix_bench" "$@"
