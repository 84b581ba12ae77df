#!/usr/bin/env bash
# Builds Parvane and runs every test suite. The suites start the loopback
# servers they need (SMTP, DNS, HTTP) themselves and stop them afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
# Suites share no port, name server address or folder: two run at a time
# (PARVANE_TEST_JOBS sets how many).
ctest --test-dir build --output-on-failure --timeout 600 -j "${PARVANE_TEST_JOBS:-2}" "$@"
