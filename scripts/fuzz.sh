#!/usr/bin/env bash
# Fuzzes the readers of outside input with libFuzzer (clang): the fixed-column text parser,
# the tab-separated reader, the wheel-text decoder, the pasted-draw parser and the date
# converter. Not part of the test command.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]    # default 600 s, every target
#
# The seed corpus is cut from the real text archives in ../shared/data (never committed);
# the corpus grown by the fuzzer stays in build-fuzz/corpus. Every crash is copied to
# tests/data/fuzz/<target>/, where the test command replays it as an ordinary test.
set -euo pipefail
radice="$(cd "$(dirname "$0")/.." && pwd)"
"$radice/scripts/install-deps.sh"
for p in clang libclang-rt-14-dev; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
            clang libclang-rt-14-dev
        break
    fi
done
secondi="${1:-600}"
shift || true
bersagli=("$@")
[ ${#bersagli[@]} -eq 0 ] && bersagli=(colonne storico ruota incolla data)

build="$radice/build-fuzz"
CC=clang CXX=clang++ cmake -S "$radice" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSTROVEL_FUZZ=ON -DSTROVEL_TESTS=OFF -DSTROVEL_WERROR=OFF
cmake --build "$build" -j "$(nproc)"

dati="$radice/../shared/data"
corpus="$build/corpus"
mkdir -p "$corpus"
if [ -d "$dati" ]; then
    "$build/tests/fuzz/strovel-fuzz-semi" "$dati" "$corpus"
fi
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
stato=0
for b in "${bersagli[@]}"; do
    # Only this run's crashes are copied below.
    rm -rf "$build/crash/$b"
    mkdir -p "$corpus/$b" "$build/crash/$b"
    echo "== $b: $secondi s"
    # Hand-made seeds and earlier crashes join the real-data seeds.
    extra=()
    [ -d "$radice/tests/data/fuzz/$b" ] && extra=("$radice/tests/data/fuzz/$b")
    if ! "$build/tests/fuzz/fuzz_$b" -max_total_time="$secondi" -max_len=4096 -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/crash/$b/" \
        "$corpus/$b" "${extra[@]}"; then
        stato=1
    fi
    for f in "$build/crash/$b"/*; do
        [ -f "$f" ] || continue
        mkdir -p "$radice/tests/data/fuzz/$b"
        cp "$f" "$radice/tests/data/fuzz/$b/$(basename "$f")"
        echo "crash salvato: tests/data/fuzz/$b/$(basename "$f")"
    done
done
exit $stato
