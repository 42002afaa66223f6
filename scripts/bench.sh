#!/usr/bin/env bash
# Release build of the benchmarks, then every benchmark on the real archive.
set -euo pipefail
radice="$(cd "$(dirname "$0")/.." && pwd)"
"$radice/scripts/install-deps.sh"
build="$radice/build-bench"
cmake -S "$radice" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DSTROVEL_TESTS=OFF -DSTROVEL_BENCH=ON
cmake --build "$build" -j "$(nproc)"
for b in "$build"/bench/bench_*; do
    [ -x "$b" ] && "$b" "$@"
done
