#!/bin/sh
# Refreshes the two translation files from the QML and script sources.
#
# lupdate of Qt 6.4 does not find QML files through the build, so every .qml
# and .js file under qml/ is named to it explicitly. Existing translations are
# kept; texts that left the sources are dropped (pass --keep-obsolete to keep
# them). Then the entries that need no translator are filled in (see
# translations/complete_translations.py); new French texts stay unfinished
# until translated, and the translation test lists them.
#
# Usage: scripts/update-translations.sh [--keep-obsolete] [--apply TABLE] [--english TABLE]
#   --apply TABLE    also fill French texts from TABLE, "source<TAB>French" a line
#   --english TABLE  English texts that mend slips of the sources, "source<TAB>English"
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
python=${PYTHON:-/usr/bin/python3}

obsolete=-no-obsolete
apply=""
english=""
while [ $# -gt 0 ]; do
    case "$1" in
        --keep-obsolete) obsolete="" ;;
        --apply) shift; apply=$(cd "$(dirname "$1")" && pwd)/$(basename "$1") ;;
        --english) shift; english=$(cd "$(dirname "$1")" && pwd)/$(basename "$1") ;;
        *) echo "usage: $0 [--keep-obsolete] [--apply TABLE] [--english TABLE]" >&2; exit 2 ;;
    esac
    shift
done

list=$(mktemp)
trap 'rm -f "$list"' EXIT
cd "$root"
find qml -type f \( -name '*.qml' -o -name '*.js' \) | LC_ALL=C sort > "$list"

"$lupdate" -silent -locations relative -source-language en $obsolete "@$list" \
    -ts translations/qml_en_EN.ts translations/qml_fr_FR.ts

set --
[ -n "$apply" ] && set -- "$@" --apply "$apply"
[ -n "$english" ] && set -- "$@" --english "$english"
"$python" translations/complete_translations.py "$@"
