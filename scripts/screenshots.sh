#!/usr/bin/env bash
# Takes the README's screenshots on a virtual X display, from the real program:
# each scene starts ParvaneApp on a prepared settings store, plays a few mouse
# and keyboard actions, captures the window, then closes it through its own
# close button and checks that the program ends with exit code 0.
#
# Usage: scripts/screenshots.sh [build folder] [output folder] [scene...]
#   defaults: ./build, ./docs/screenshots and every scene
# Needs: xvfb-run, xdotool, ImageMagick's import, /usr/bin/python3 with
# aiosmtpd (scripts/install-deps.sh).
set -euo pipefail
WIDTH=1000
HEIGHT=660
ROOT=$(cd "$(dirname "$0")/.." && pwd)

# ---- Inside the virtual display ----

# Whether two captures of the screen differ in any pixel.
differ() {
    [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" != "0" ]
}

# Plays one action: "click X Y", "scroll X Y CLICKS" (downwards), "type TEXT",
# "key KEYS", "wait SECONDS" (and "shot", handled by capture). A click must
# change what the screen shows, or the scene is wrong: the pointer is moved
# first so that hovering alone does not count as a change.
act() {
    local verb=$1
    shift
    case "$verb" in
        click)
            xdotool mousemove "$1" "$2"
            sleep 0.3
            import -window root "$SHOTS/before.png"
            xdotool click 1
            sleep 0.6
            import -window root "$SHOTS/after.png"
            if ! differ "$SHOTS/before.png" "$SHOTS/after.png"; then
                echo "click $1 $2 changed nothing on the screen" >&2
                return 1
            fi
            ;;
        scroll) xdotool mousemove "$1" "$2" click --repeat "$3" --delay 50 5 ;;
        type) xdotool type --delay 20 "$*" ;;
        key) xdotool key "$@" ;;
        wait) sleep "$1" ;;
        *) echo "unknown action: $verb" >&2; return 1 ;;
    esac
    sleep 0.4
}

# --inner BUILD OUT.png STATE.json [ACTION...]
capture() {
    local build=$1 out=$2 state=$3
    shift 3
    local pid rc=0 store
    store=$(mktemp -d)
    SHOTS=$store
    trap 'rm -rf "${store:-}"' RETURN
    export XDG_CONFIG_HOME="$store"
    export XDG_DATA_HOME="$store/data"
    "$build/tools/parvane_seed_settings" "$state" > /dev/null
    cd "$build"    # the compiled translations are looked for in the working directory
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
    # The action "shot" captures the window there; actions after it close
    # what Escape does not. Without it the capture comes after every action.
    local action shot=no
    for action in "$@"; do
        if [ "$action" = shot ]; then
            sleep 1
            import -window root -crop "${WIDTH}x${HEIGHT}+0+0" +repage "$out"
            shot=yes
            continue
        fi
        # shellcheck disable=SC2086
        if ! act $action; then
            echo "$out: the action \"$action\" failed" >&2
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
            return 1
        fi
    done
    if [ "$shot" = no ]; then
        sleep 1
        import -window root -crop "${WIDTH}x${HEIGHT}+0+0" +repage "$out"
    fi
    # Dialogs are closed with Escape where they allow it; the close button
    # sits at the right end of the title bar.
    xdotool key Escape
    sleep 0.5
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

# ---- Outside: the scenes ----

BUILD=$(cd "${1:-build}" && pwd)
mkdir -p "${2:-docs/screenshots}"
OUT=$(cd "${2:-docs/screenshots}" && pwd)
shift $(( $# < 2 ? $# : 2 ))
SCENES=("$@")

if [ ! -x "$BUILD/ParvaneApp" ] || [ ! -x "$BUILD/tools/parvane_seed_settings" ]; then
    echo "No ParvaneApp or seeding tool in $BUILD: build first (scripts/build.sh)." >&2
    exit 1
fi

WORK=$(mktemp -d)
trap 'exec 7>&- 2>/dev/null || true; rm -rf "$WORK"' EXIT

# The loopback SMTP servers the run scene sends to; they stop when our end of
# their standard input closes.
mkdir -p "$WORK/servers"
mkfifo "$WORK/servers.in"
/usr/bin/python3 "$ROOT/tests/servers/mail_servers.py" "$WORK/servers" < "$WORK/servers.in" > "$WORK/servers.json" &
exec 7> "$WORK/servers.in"
for _ in $(seq 1 100); do [ -s "$WORK/servers.json" ] && break; sleep 0.2; done
SMTP_PORT=$(/usr/bin/python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["ports"]["plain"])' "$WORK/servers.json")

# The run scene asks whether the machine is online: a name server of our own
# answers the probe name on loopback.
DNS_ADDRESS=127.0.84.3
dnsmasq --keep-in-foreground --conf-file=/dev/null --port=53 --listen-address=$DNS_ADDRESS \
    --bind-interfaces --no-resolv --no-hosts --user=root \
    --address=/probe.parvane.test/127.0.0.9 \
    --mx-host=gmail.com,mx.parvane.test,10 --mx-host=orange.fr,mx.parvane.test,10 \
    --mx-host=laposte.net,mx.parvane.test,10 --mx-host=outlook.fr,mx.parvane.test,10 &
DNS_PID=$!
trap 'kill $DNS_PID 2>/dev/null; exec 7>&- 2>/dev/null || true; rm -rf "$WORK"' EXIT
export PARVANE_DNS_SERVER=$DNS_ADDRESS PARVANE_PROBE_HOST=probe.parvane.test

# The templates and about scenes talk to our web service, started here on a
# port of its own with the repository's configuration and templates.
SERVICE_PORT=27654
if [ -x "$BUILD/service/parvane-service" ]; then
    /usr/bin/python3 - "$ROOT" "$SERVICE_PORT" > "$WORK/service.json" <<'PY'
import json, sys
root, port = sys.argv[1], int(sys.argv[2])
config = json.load(open(f"{root}/service/parvane-service.json"))
config.update({"port": port, "public_url": f"http://127.0.0.1:{port}/",
               "templates": f"{root}/service/templates", "corpus": f"{root}/service/corpus"})
json.dump(config, sys.stdout)
PY
    "$BUILD/service/parvane-service" --config "$WORK/service.json" > "$WORK/service.log" 2>&1 &
    SERVICE_PID=$!
    trap 'kill $SERVICE_PID $DNS_PID 2>/dev/null; exec 7>&- 2>/dev/null || true; rm -rf "$WORK"' EXIT
    for _ in $(seq 1 100); do grep -q "^listening on " "$WORK/service.log" && break; sleep 0.1; done
    export PARVANE_API_BASE_URL=http://127.0.0.1:$SERVICE_PORT/
fi

wanted() {
    [ ${#SCENES[@]} -eq 0 ] && return 0
    local scene
    for scene in "${SCENES[@]}"; do [ "$scene" = "$1" ] && return 0; done
    return 1
}

shoot() {
    local name=$1
    shift
    wanted "$name" || return 0
    xvfb-run -a -s "-screen 0 ${WIDTH}x${HEIGHT}x24" "$ROOT/scripts/screenshots.sh" --inner "$BUILD" "$OUT/$name.png" "$@"
}

# A user's stored state; $1 is the language, then JSON members of extra groups.
state() {
    local file=$WORK/state-$RANDOM.json lang=$1
    shift
    /usr/bin/python3 "$ROOT/scripts/screenshot_state.py" "$lang" "$SMTP_PORT" "$@" > "$file"
    echo "$file"
}

shoot main-en "$(state en_EN compose-en)"
shoot main-fr "$(state fr_FR compose-fr)"
shoot accounts "$(state fr_FR compose-fr)" "click 55 250" "click 190 169"
shoot contacts "$(state fr_FR compose-fr)" "click 55 325"
shoot contact-form "$(state fr_FR compose-fr)" "click 55 325" "click 288 187" "click 260 222"
shoot contact-detail "$(state fr_FR compose-fr)" "click 55 325" "click 480 240" "wait 2"
shoot toast-success "$(state fr_FR compose-fr)" "click 55 325" "click 480 240" "click 938 645" shot
shoot toast-error "$(state fr_FR compose-fr no-subject)" "scroll 330 400 10" "click 488 628" shot
shoot compose-list "$(state fr_FR compose-fr list-selected)"
shoot run "$(state fr_FR compose-fr list-selected)" "scroll 330 400 10" "click 488 628" "click 664 499" "wait 6" shot "click 684 599"
# The same run with 1,234 recipients, every counter at its widest.
shoot run-1234 "$(state fr_FR compose-fr list-selected big-list)" "scroll 330 400 10" "click 488 628" "click 664 499" "wait 6" shot "click 575 599" "wait 2"
shoot sending-lists "$(state en_EN compose-en sending-lists)" "click 482 69"
shoot sending-lists-fr "$(state fr_FR compose-fr sending-lists long-names)" "click 482 69"
if [ -n "${SERVICE_PID:-}" ]; then
    shoot templates "$(state fr_FR compose-fr)" "click 55 475" "wait 4"
    shoot about "$(state fr_FR compose-fr)" "click 55 575" "wait 1"
    # A template's page as the Edit button opens it: in a real browser, when
    # one is installed (scripts/install-deps.sh --template-tools).
    if wanted template-page && command -v chromium > /dev/null; then
        chromium --headless --no-sandbox --disable-gpu --hide-scrollbars \
            --window-size=${WIDTH},${HEIGHT} --screenshot="$OUT/template-page.png" \
            "http://127.0.0.1:$SERVICE_PORT/templates/event-invitation/?lang=en" > /dev/null 2>&1
        echo "$OUT/template-page.png: captured in headless Chromium"
    fi
    # The search over the demonstration corpus: during the run, after it, and
    # the results panel with the earlier days.
    shoot search-run "$(state fr_FR compose-fr search)" "click 55 400" "click 200 410" \
        "key ctrl+a" "type France" "key Return" "click 283 462" shot
    shoot search-result "$(state fr_FR compose-fr search)" "click 55 400" "click 200 410" \
        "key ctrl+a" "type France" "key Return" "click 283 462" "wait 8"
else
    echo "No web service in $BUILD/service: the templates and about scenes are left out." >&2
fi
