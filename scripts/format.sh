#!/usr/bin/env bash
# Formats the C++ sources of src/, tests/ and fuzz/ as .clang-format says.
#   scripts/format.sh           rewrites what differs
#   scripts/format.sh --check   changes nothing; fails and names each file that differs
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -co --exclude-standard -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' \
                         'tests/*.h' 'fuzz/*.cpp' 'fuzz/*.h')
if [ "${1:-}" = "--check" ]; then
    clang-format --dry-run --Werror "${files[@]}"
else
    clang-format -i "${files[@]}"
fi
