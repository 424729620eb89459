#!/usr/bin/env bash
# Sets up, builds and runs every test. Tests that need a display start their
# own X server (xvfb-run -a picks a free display number).
set -euo pipefail
cd "$(dirname "$0")/.."
# Each stage says when it starts, for seeing where the time goes.
stage() { echo "== test.sh: $1 (${SECONDS} s in)"; }
stage "system packages"
scripts/deps.sh
# The source is formatted as .clang-format says.
stage "format"
scripts/format.sh --check
stage "build"
cmake --preset test
cmake --build --preset test -j"$(nproc)"
# A unit or integration test that fails fails the run: none is run twice.
# Only an end-to-end road (they drive a window manager on a shared machine)
# that fails is run once more (tests/e2e/run_road.py); the report after the
# tests names each road that needed it, and each test that skipped itself
# and why.
stage "tests"
status=0
ctest --preset test "$@" 2>&1 | tee build-test/ctest-output.txt || status=$?
scripts/test_report.sh build-test build-test/ctest-output.txt
[ "$status" -eq 0 ] || exit "$status"
# The unit and integration tests again, built with AddressSanitizer and
# UndefinedBehaviorSanitizer; then every fuzz target for 20 s.
stage "sanitizers"
scripts/sanitize.sh
stage "fuzzing"
scripts/fuzz.sh 20
stage "done"
