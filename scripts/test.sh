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
# The end-to-end roads drive a window manager on a shared machine: a road
# that fails once is run once more before it counts (the test preset).
stage "tests"
ctest --preset test "$@"
# The unit and integration tests again, built with AddressSanitizer and
# UndefinedBehaviorSanitizer; then every fuzz target for 20 s.
stage "sanitizers"
scripts/sanitize.sh
stage "fuzzing"
scripts/fuzz.sh 20
stage "done"
