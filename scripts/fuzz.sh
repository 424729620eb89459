#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang and runs each one for
# SECONDS seconds (default 20), two at a time. Fails when any target finds a
# crash, a sanitizer report, a broken property, a leak or a hang; the input
# that did it is kept in build-fuzz/artifacts/.
#   scripts/fuzz.sh            the short run of the test command
#   scripts/fuzz.sh 3600       an hour per target
# New inputs go to build-fuzz/corpus/<target>/; the seeds in fuzz/corpus/
# stay as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
build="${REELWICK_FUZZ_BUILD:-build-fuzz}"  # a build folder of its own

CC=clang CXX=clang++ cmake -S fuzz -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"

mkdir -p "$build/artifacts" "$build/logs"
run_one() {
    local target="$1" seconds="$2" build="$3"
    mkdir -p "$build/corpus/$target"
    # -timeout: one input taking over 10 s is a hang; -rss_limit_mb: runaway memory.
    if "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
        "$build/corpus/$target" "fuzz/corpus/$target" >"$build/logs/$target.log" 2>&1; then
        local runs
        runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/logs/$target.log" |
               grep -o '[0-9]*$' || echo '?')
        echo "fuzz: $target: $runs inputs, no failure"
    else
        echo "fuzz: $target FAILED; its log follows"
        tail -n 60 "$build/logs/$target.log"
        return 1
    fi
}
export -f run_one

# Every target of fuzz/CMakeLists.txt: one fuzz_<name>.cpp each.
mapfile -t targets < <(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')
printf '%s\n' "${targets[@]}" |
    xargs -P 2 -I{} bash -c 'run_one "$@"' _ {} "$seconds" "$build"
