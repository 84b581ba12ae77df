#!/usr/bin/env bash
# Builds Parvane and starts it from the build folder, which holds the compiled
# translation files that start-up looks for in the working directory.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
cd build
# The web view's engine refuses to start as root without this.
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
exec ./ParvaneApp "$@"
