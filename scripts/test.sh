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
# The sanitizer build and the fuzz targets build at the lowest priority
# while the tests run: many tests wait on timers, windows and servers, and
# leave the cores idle part of the time.
stage "tests, with the sanitizer and fuzz builds beside them"
builds_log="$(mktemp)"
# A session of their own, so that a failing run stops the compilers too.
# Where the kernel schedules sessions as groups (autogroup), a group's own
# niceness is what counts against the tests: it is set as well.
setsid nice -n 19 bash -c '(echo 19 >/proc/self/autogroup) 2>/dev/null
                           scripts/sanitize.sh --build && scripts/fuzz.sh --build' \
    >"$builds_log" 2>&1 &
builds=$!
trap 'kill -- "-$builds" 2>/dev/null || true; rm -f "$builds_log"' EXIT
# The end-to-end roads drive a window manager on a shared machine: a road
# that fails once is run once more before it counts (the test preset).
ctest --preset test "$@"
stage "the rest of the sanitizer and fuzz builds"
if ! wait "$builds"; then
    cat "$builds_log"
    exit 1
fi
# The unit and integration tests again, built with AddressSanitizer and
# UndefinedBehaviorSanitizer; then every fuzz target for 20 s.
stage "sanitizers"
scripts/sanitize.sh
stage "fuzzing"
scripts/fuzz.sh 20
stage "done"
