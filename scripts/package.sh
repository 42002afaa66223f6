#!/usr/bin/env bash
# Builds the Debian package strovel2026_<version>_amd64.deb from a release build in build/ (the
# folder scripts/run.sh uses) and says where it is.
# With --verifica it also checks it, as CI does: the menu entry and the metainfo validate,
# lintian finds no error, and the package extracted into a temporary folder holds the expected
# files, its strovel-cli answers --version and reads a demo archive, and its strovel starts
# for the first time as it does from the build folder.
set -euo pipefail
radice="$(cd "$(dirname "$0")/.." && pwd)"
"$radice/scripts/install-deps.sh"
build="$radice/build"
cmake -S "$radice" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTROVEL_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -rf "$build/pacchetto"
(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls "$build"/pacchetto/strovel2026_*_amd64.deb)"
echo "Pacchetto: $deb"
[ "${1:-}" = "--verifica" ] || exit 0

id=it.strovel.strovel2026
desktop-file-validate "$radice/dist/$id.desktop"
appstreamcli validate --no-net --pedantic "$build/dist/$id.metainfo.xml"
echo "lintian:"
lintian --allow-root --fail-on error --info "$deb" || { echo "lintian: errori nel pacchetto"; exit 1; }

cartella="$(mktemp -d)"
trap 'rm -rf "$cartella"' EXIT
dpkg-deb -x "$deb" "$cartella"
# The files the package installs, against the list kept beside this script.
diff <(cd "$cartella" && find . -type f -o -type l | sed 's|^\./|/|' | sort) \
    "$radice/scripts/pacchetto-file.txt" || { echo "Il pacchetto non contiene i file attesi"; exit 1; }
versione="$(sed -n 's/^project(Strovel2026 VERSION \([0-9.]*\).*/\1/p' "$radice/CMakeLists.txt")"
cli="$cartella/usr/bin/strovel-cli"
[ "$("$cli" --version)" = "strovel-cli $versione" ] || { echo "strovel-cli --version errato"; exit 1; }
"$cli" demo-archivio "$cartella/demo.mdb" --estrazioni 50 >/dev/null
"$cli" info "$cartella/demo.mdb" | grep -q "^estrazioni	50$" || { echo "strovel-cli info errato"; exit 1; }
# The program's first run: settings and a demo archive made in its folder, start-up window up.
casa="$cartella/casa"
mkdir -p "$casa"
STROVEL_HOME="$casa" QT_QPA_PLATFORM=offscreen timeout 5 "$cartella/usr/bin/strovel" \
    >/dev/null 2>&1 || [ $? -eq 124 ]
[ -s "$casa/DbStrovel.mdb" ] && [ -s "$casa/ArchivioDemo.mdb" ] ||
    { echo "strovel non si avvia dal pacchetto"; exit 1; }
echo "Pacchetto verificato: $deb"
