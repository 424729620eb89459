#!/usr/bin/env bash
# Installs what the benchmarks need (when missing), builds Reelwick in
# Release with the benchmark tools, and measures it against the mpv player on
# an X server of its own. Writes bench/RESULTS.md. Takes about 20 minutes.
# Options go to bench/bench.py, e.g. --runs 3 or --renderers sw.
set -euo pipefail
cd "$(dirname "$0")/.."

# The build's packages, and the player and GL report the figures compare with.
scripts/deps.sh mpv mesa-utils

cmake --preset bench
cmake --build --preset bench -j"$(nproc)"
exec python3 bench/bench.py --build build-bench --out bench/RESULTS.md "$@"
