#!/usr/bin/env bash
# Takes the README's screenshots of the main screen, in English and in French,
# on a virtual X display; each run then closes the window through its own
# close button and checks that the program ends with exit code 0.
#
# Usage: scripts/screenshots.sh [build folder] [output folder]
#   defaults: ./build and ./docs/screenshots
# Needs: xvfb-run, xdotool, ImageMagick's import (scripts/install-deps.sh).
set -euo pipefail
WIDTH=1000
HEIGHT=730

# One capture, run inside the virtual display:
#   --inner BUILD OUT.png LANG SUBJECT BODY
capture() {
    local build=$1 out=$2 lang=$3 subject=$4 body=$5
    local pid rc=0
    store=$(mktemp -d)
    trap 'rm -rf "${store:-}"' EXIT
    mkdir -p "$store/Velmora"
    # The settings store of a user who has started writing a message. "lang"
    # is what start-up reads to choose the translation file.
    cat > "$store/Velmora/Parvane.conf" <<EOF
[General]
lang=$lang

[preferences]
language=$lang

[window]
x=0
y=0
windowVisibility=2

[sendingForm]
currentSenderName=Velmora Studio
currentSubject=$subject
currentRecipient=anna.berg@example.com;marc.dupont@example.org;
currentEmailContent="$body"
EOF
    cd "$build"    # the compiled translations are looked for in the working directory
    export XDG_CONFIG_HOME="$store"
    if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
    ./ParvaneApp > "$store/app.log" 2>&1 &
    pid=$!
    if ! timeout 30 xdotool search --sync --onlyvisible --name '^Parvane$' > /dev/null; then
        echo "No Parvane window appeared." >&2
        cat "$store/app.log" >&2
        kill "$pid" 2>/dev/null || true
        return 1
    fi
    sleep 4    # start-up page, its fade-in and the first paint
    import -window root -crop "${WIDTH}x${HEIGHT}+0+0" +repage "$out"
    # The close button sits at the right end of the title bar.
    xdotool mousemove $((WIDTH - 20)) 20 click 1
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "The window did not close on its close button." >&2
        kill "$pid"
        return 1
    fi
    wait "$pid" || rc=$?
    if [ "$rc" -ne 0 ]; then
        echo "ParvaneApp ended with exit code $rc after its window was closed." >&2
        cat "$store/app.log" >&2
        return 1
    fi
    echo "$out: captured; the program ended with exit code 0 on its close button"
}

if [ "${1:-}" = "--inner" ]; then
    shift
    capture "$@"
    exit
fi

cd "$(dirname "$0")/.."
SELF="$(pwd)/scripts/screenshots.sh"
BUILD=$(cd "${1:-build}" && pwd)
mkdir -p "${2:-docs/screenshots}"
OUT=$(cd "${2:-docs/screenshots}" && pwd)

if [ ! -x "$BUILD/ParvaneApp" ]; then
    echo "No ParvaneApp in $BUILD: build first (scripts/build.sh)." >&2
    exit 1
fi

shoot() {
    xvfb-run -a -s "-screen 0 ${WIDTH}x${HEIGHT}x24" "$SELF" --inner "$BUILD" "$@"
}

# "\n" in a quoted value is a line break for the settings store.
shoot "$OUT/main-en.png" en_EN "Our spring collection is here" \
    'Hello {{firstname}},\n\nOur spring collection is here. As a subscriber, you get early access until Friday.\n\nSee you soon,\nThe Velmora team'
shoot "$OUT/main-fr.png" fr_FR "Notre collection de printemps est arrivée" \
    'Bonjour {{firstname}},\n\nNotre collection de printemps est arrivée. Abonné(e), vous en profitez en avant-première jusqu’à vendredi.\n\nÀ bientôt,\nL’équipe Velmora'
