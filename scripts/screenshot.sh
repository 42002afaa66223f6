#!/usr/bin/env bash
# Builds the program and saves a PNG of every window built so far, opened on a demo archive,
# in the folder given (default: build/screenshot). Runs without a display (offscreen).
set -euo pipefail
radice="$(cd "$(dirname "$0")/.." && pwd)"
"$radice/scripts/install-deps.sh"
build="$radice/build"
cmake -S "$radice" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTROVEL_TESTS=OFF
cmake --build "$build" -j "$(nproc)" --target strovel-screenshot
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build/app/strovel-screenshot" "${1:-$build/screenshot}"
