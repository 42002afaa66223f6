#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer, warnings as errors; builds the
# Debian package and checks it; runs every test through CTest.
set -euo pipefail
radice="$(cd "$(dirname "$0")/.." && pwd)"
"$radice/scripts/install-deps.sh"
build="$radice/build-test"
cmake -S "$radice" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DSTROVEL_SANITIZE=ON -DSTROVEL_WERROR=ON -DSTROVEL_TESTS=ON -DSTROVEL_BENCH=OFF
cmake --build "$build" -j "$(nproc)"
# The Debian package, built from a release build and checked as a user would get it.
"$radice/scripts/package.sh" --verifica
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$radice/tests/lsan.supp"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
