#!/usr/bin/env bash
# Sets up, builds and runs every test. Tests that need a display start their
# own X server (xvfb-run -a picks a free display number).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
cmake --build build-test -j"$(nproc)"
cd build-test
# The end-to-end roads drive a window manager on a shared machine: a road
# that fails once is run once more before it counts.
ctest --output-on-failure --timeout 300 -j2 --repeat until-pass:2 "$@"
cd ..
# The unit and integration tests again, built with AddressSanitizer and
# UndefinedBehaviorSanitizer; then every fuzz target for 20 s.
scripts/sanitize.sh
scripts/fuzz.sh 20
