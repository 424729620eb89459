#!/usr/bin/env bash
# Sets up, builds and starts the player on the sample movie it makes.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build build -j"$(nproc)"
exec build/src/reelwick "$PWD/build/sample/reelwick-sample.mp4"
