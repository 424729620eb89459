#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, when missing,
# and any further packages named on the command line.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev libgl-dev libmpv-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libfluidsynth-dev timgm6mb-soundfont
  libgtest-dev googletest
  ffmpeg xvfb xauth openbox x11-utils x11-apps xdotool fonts-dejavu-core python3
  clang libclang-rt-14-dev
  wmctrl desktop-file-utils appstream groff-base dpkg-dev file
  libx11-dev x11-xkb-utils
  x11-xserver-utils weston xwayland qt6-wayland
  dbus dbus-x11 playerctl libxss-dev
  at-spi2-core python3-pyatspi
  yt-dlp
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
