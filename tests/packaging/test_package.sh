#!/bin/sh
# The Debian package as a user gets it: built and checked by
# scripts/package.sh, installed with apt-get, started from another folder in
# French (it must find its translations in /usr/share/parvane and keep
# running), then removed. Needs root: CI runs it on a throw-away machine.
# Usage: test_package.sh SOURCE_DIR BUILD_DIR
set -eu
src=$1
build=$2
deb=$("$src/scripts/package.sh" "$build" | tail -n 1)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/parvane ./usr/share/parvane/qml_fr_FR.qm ./usr/share/parvane/qml_en_EN.qm \
        ./usr/share/applications/app.velmora.Parvane.desktop \
        ./usr/share/metainfo/app.velmora.Parvane.metainfo.xml \
        ./usr/share/icons/hicolor/scalable/apps/app.velmora.Parvane.svg \
        ./usr/share/icons/hicolor/256x256/apps/app.velmora.Parvane.png \
        ./usr/share/man/man1/parvane.1.gz ./usr/share/doc/parvane/copyright; do
    echo "$contents" | grep -qx "$path" || { echo "missing from the package: $path" >&2; exit 1; }
done

DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >/dev/null
home=$(mktemp -d)
trap 'DEBIAN_FRONTEND=noninteractive apt-get remove -y -q parvane >/dev/null; rm -rf "$home"' EXIT
# The user chose French: the program's own setting.
mkdir -p "$home/config/Velmora"
printf '[General]\nlang=fr_FR\n' > "$home/config/Velmora/Parvane.conf"
cd "$home"
rc=0
XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" QT_QPA_PLATFORM=offscreen \
    QTWEBENGINE_DISABLE_SANDBOX=1 PARVANE_API_BASE_URL=http://127.0.0.1:9/ \
    timeout 20 strace -f -qq -e trace=openat -o "$home/trace" /usr/bin/parvane >"$home/out" 2>&1 || rc=$?
# Still running when stopped: it started and showed its window.
[ "$rc" -eq 124 ] || { echo "parvane ended with $rc:" >&2; cat "$home/out" >&2; exit 1; }
grep -q '"/usr/share/parvane/qml_fr_FR.qm", O_RDONLY' "$home/trace" \
    || { echo "the French translation was not read from /usr/share/parvane" >&2; exit 1; }
echo "installed, started in French from $home, removed"
