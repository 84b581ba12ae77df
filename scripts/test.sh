#!/usr/bin/env bash
# Builds Parvane and runs every test suite. The suites start the loopback
# servers they need (SMTP, DNS, HTTP) themselves and stop them afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
ctest --test-dir build --output-on-failure --timeout 600 "$@"
