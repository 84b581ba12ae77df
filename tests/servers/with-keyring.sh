#!/bin/sh
# Runs a command in a D-Bus session of its own with an unlocked GNOME Keyring
# serving the Secret Service, so a test uses a real keychain and never the
# user's. The keyring's files live in a temporary folder, removed afterwards.
set -eu
home=$(mktemp -d)
mkdir -p "$home/data" "$home/run"
chmod 700 "$home/run"
status=0
HOME="$home" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/run" \
    dbus-run-session -- sh -c \
    'printf parvane | gnome-keyring-daemon --unlock --components=secrets >/dev/null && exec "$@"' \
    sh "$@" || status=$?
rm -rf "$home"
exit "$status"
