#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what clang-format makes
# of it with the project's .clang-format; run by the test suite.
# To reformat: scripts/check-format.sh --fix
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(find native tests bench tools service -type f \( -name '*.cpp' -o -name '*.h' \) \
    -not -path '*/build/*' | sort)
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
else
    clang-format --dry-run --Werror "${files[@]}"
fi
