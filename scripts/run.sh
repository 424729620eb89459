#!/usr/bin/env bash
# Sets up, builds and starts the player on the sample movie it makes.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default
cmake --build --preset default -j"$(nproc)"
exec build/src/reelwick "$PWD/build/sample/reelwick-sample.mp4"
