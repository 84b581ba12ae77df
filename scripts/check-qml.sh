#!/usr/bin/env bash
# Fails when qmllint reports a warning in the application's QML (qml/), with
# the checks set in .qmllint.ini; run by the test suite. It needs a built tree:
# the modules' qmldir and type files are generated in the build folder.
# Usage: scripts/check-qml.sh [build folder] [qmllint] [Qt's QML folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
qmllint=${2:-$(qtpaths6 --query QT_INSTALL_BINS)/qmllint}
qtqml=${3:-$(qtpaths6 --query QT_INSTALL_QML)}

mapfile -t files < <(find qml -type f \( -name '*.qml' -o -name '*.js' \) | sort)
# The modules' resource files map each source to its path in the program, so
# that relative imports resolve as they do at run time.
resources=()
while IFS= read -r qrc; do
    resources+=(--resource "$qrc")
done < <(find "$build/qml" -path '*/.rcc/*.qrc' | sort)

status=0
output=$("$qmllint" --bare -I "$build/qml" -I "$qtqml" "${resources[@]}" "${files[@]}" 2>&1) || status=$?
[ -n "$output" ] && printf '%s\n' "$output"
warnings=$(grep -c '^Warning: ' <<<"$output" || true)
if [ "$status" -ne 0 ] || [ "$warnings" -ne 0 ]; then
    echo "qmllint: $warnings warning(s) in ${#files[@]} files (exit status $status)"
    exit 1
fi
echo "qmllint: ${#files[@]} files, no warning"
