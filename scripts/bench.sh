#!/usr/bin/env bash
# Installs what the benchmarks need (when missing), builds Reelwick in
# Release with the benchmark tools, and measures it against the mpv player on
# an X server of its own. Writes bench/RESULTS.md. Takes about 20 minutes.
# Options go to bench/bench.py, e.g. --runs 3 or --renderers sw.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config
  qt6-base-dev libgl-dev libmpv-dev libx11-dev libxcb1-dev
  ffmpeg mpv xvfb xauth mesa-utils python3
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake --preset bench
cmake --build --preset bench -j"$(nproc)"
exec python3 bench/bench.py --build build-bench --out bench/RESULTS.md "$@"
