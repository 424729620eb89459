#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer
# (REELWICK_SANITIZE) in build-asan and runs the unit and integration tests
# there. Any report from the program's own code fails the run; the
# suppressions in tests/sanitizers/ cover only what the system libraries
# themselves leak. Extra arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

# Set for the build too: gtest_discover_tests runs the test programs.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=0:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:suppressions=$root/tests/sanitizers/ubsan.supp"
export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0"

# The asan preset: -O1 as the sanitizers advise, line tables for the
# reports, asserts on; about half the compile time of -O2 -g.
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$(nproc)" --target reelwick_checks
# The unit and integration tests; the end-to-end tests drive the plain
# program from outside and stay with the normal build. None is run twice;
# the report names the tests that skipped themselves.
status=0
ctest --preset asan "$@" 2>&1 | tee build-asan/ctest-output.txt || status=$?
scripts/test_report.sh build-asan build-asan/ctest-output.txt
exit "$status"
