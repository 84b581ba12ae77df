#!/usr/bin/env bash
# Builds Parvane, starts its web service (service/parvane-service.json: on
# http://127.0.0.1:8765/) in the background, then the application from the
# build folder, which holds the compiled translation files that start-up looks
# for in the working directory. The service is stopped when the application
# exits. A service already answering on that port is used as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh

service_pid=""
stop_service() {
    if [ -n "$service_pid" ]; then
        kill "$service_pid" 2>/dev/null || true
        wait "$service_pid" 2>/dev/null || true
    fi
}
trap stop_service EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

answering() { (exec 3<>/dev/tcp/127.0.0.1/8765) 2>/dev/null; }
if ! answering; then
    log=build/parvane-service.log
    build/service/parvane-service --config service/parvane-service.json \
        --store-path build/parvane-service-unsubscribe.sqlite >"$log" 2>&1 &
    service_pid=$!
    for _ in $(seq 100); do
        if grep -q "^listening on " "$log" 2>/dev/null; then break; fi
        if ! kill -0 "$service_pid" 2>/dev/null; then
            echo "The web service did not start:" >&2
            cat "$log" >&2
            service_pid=""
            break
        fi
        sleep 0.1
    done
fi

cd build
# The web view's engine refuses to start as root without this.
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
./ParvaneApp "$@"
