#!/usr/bin/env bash
# What a ctest run did beyond pass or fail: the tests that skipped themselves
# and why, and the end-to-end roads that passed only on their second run
# (tests/e2e/run_road.py). Both are to be looked into even when the run
# passed.
#   scripts/test_report.sh BUILD-FOLDER CTEST-OUTPUT
set -uo pipefail
build="$1"
output="$2"
log="$build/Testing/Temporary/LastTest.log"

# ctest lists at its end each test that did not run: "  12 - name (Skipped)".
skipped=$(grep -E '^\s+[0-9]+ - .* \(Skipped\)$' "$output" 2>/dev/null | sed -E 's/^\s+[0-9]+ - //')
count=$(printf '%s' "$skipped" | grep -c . || true)
echo "== ${build}: ${count} tests skipped"
if [ "$count" -gt 0 ]; then
    printf '%s\n' "$skipped" | sed 's/^/   /'
    # Each skip gives its reason in a line "skipped: <test>: <reason>"
    # (tests/integration/main_qt.cpp, tests/e2e/run_road.py).
    echo "   why:"
    grep -h '^skipped: ' "$log" 2>/dev/null | sed 's/^skipped: /   /' | sort -u
fi

second=$(grep -h 'passed only on its second run' "$log" 2>/dev/null | sort -u)
if [ -n "$second" ]; then
    echo "== ${build}: roads that failed once and passed on their second run:"
    printf '%s\n' "$second" | sed 's/^/   /'
fi
exit 0
