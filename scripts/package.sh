#!/bin/sh
# Builds the Debian package of the program (<build>/parvane_*.deb) with CPack,
# after building what it installs, then checks it as Debian would: the
# desktop file, the AppStream metainfo, and lintian, which must report no
# error. Prints the package's path last.
# Usage: scripts/package.sh [build folder = build]   (from anywhere; needs
# what scripts/install-deps.sh installs)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target parvane_stripped parvane_translations parvane_package_docs >/dev/null
rm -f "$build"/parvane_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
desktop-file-validate packaging/app.velmora.Parvane.desktop
appstreamcli validate --no-net packaging/app.velmora.Parvane.metainfo.xml >/dev/null
deb=$(ls "$build"/parvane_*.deb)
lintian --fail-on error "$deb" || { echo "lintian found errors in $deb" >&2; exit 1; }
echo "$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")"
