#!/usr/bin/env bash
# Measures which kinds of file Reelwick plays on the shared media and writes
# docs/formats.md. The measure is the first pass of reelwick_media_tests,
# which prints the table between two marker lines; it runs here without the
# damaged copies. The media are ../shared/media, or REELWICK_MEDIA_DIR.
#   scripts/formats_table.sh [build folder]    (build-test unless named)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-test}
[ -f "$build/CMakeCache.txt" ] ||
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
cmake --build "$build" --target reelwick_media_tests -j"$(nproc)"

output=$(mktemp)
trap 'rm -f "$output"' EXIT
if ! REELWICK_TORTURE_VARIANTS=0 QT_QPA_PLATFORM=offscreen \
    "$build/tests/reelwick_media_tests" --gtest_filter='SharedMediaTest.*' >"$output"; then
    cat "$output" >&2
    echo "formats_table.sh: the media test failed; docs/formats.md is left as it was" >&2
    exit 1
fi
table=$(sed -n '/^---- formats table ----$/,/^---- end of the formats table ----$/{//!p}' "$output")
if [ -z "$table" ]; then
    echo "formats_table.sh: the test printed no table (are the shared media there?)" >&2
    exit 1
fi
printf '%s\n' "$table" >docs/formats.md
echo "wrote docs/formats.md"
