#!/usr/bin/env bash
# Builds the program (release) and starts it. The program folder is build/home; when no
# archive is configured there, a demo archive of synthetic draws is made and used.
set -euo pipefail
radice="$(cd "$(dirname "$0")/.." && pwd)"
"$radice/scripts/install-deps.sh"
build="$radice/build"
cmake -S "$radice" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTROVEL_TESTS=OFF
cmake --build "$build" -j "$(nproc)"
export STROVEL_HOME="${STROVEL_HOME:-$build/home}"
mkdir -p "$STROVEL_HOME"
demo="$STROVEL_HOME/ArchivioDemo.mdb"
[ -f "$demo" ] || "$build/cli/strovel-cli" demo-archivio "$demo"
export STROVEL_ARCHIVIO_DEMO="$demo"
exec "$build/app/strovel" "$@"
