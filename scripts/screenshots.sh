#!/usr/bin/env bash
# Makes the README's pictures of the program, docs/playing.png and
# docs/folder-list.png, on a private Xvfb screen with openbox, from a build
# made by scripts/run.sh or scripts/test.sh:
#
#   scripts/screenshots.sh [build folder, default build]
#
# Needs xvfb, openbox, xdotool, x11-utils, x11-apps and ffmpeg (scripts/deps.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
binary=$build/src/reelwick
sample=$build/sample/reelwick-sample.mp4
if [ ! -x "$binary" ] || [ ! -f "$sample" ]; then
  echo "no program or sample movie in $build: build it first (scripts/run.sh)" >&2
  exit 1
fi
binary=$(realpath "$binary")
sample=$(realpath "$sample")

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A free display number, told by Xvfb itself.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q WINDOW && break
  sleep 0.1
done

export XDG_CONFIG_HOME=$work/config

# Starts the program on the sample in `folder`; sets $window.
start() {
  local folder=$1
  (cd "$folder" && exec "$binary" "$sample") >/dev/null 2>&1 &
  player=$!
  pids+=($player)
  window=""
  for _ in $(seq 150); do
    window=$(xdotool search --onlyvisible --pid "$player" --name "^Ostrun's Reelwick$" 2>/dev/null |
             head -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "the window did not appear" >&2; exit 1; }
}

# The window with its frame, from a dump of the whole screen.
shoot() {
  local out=$1 x y w h l r t b
  eval "$(xwininfo -id "$window" | awk -F: '
    /Absolute upper-left X/ {print "x=" $2+0} /Absolute upper-left Y/ {print "y=" $2+0}
    /Width:/ {print "w=" $2+0} /Height:/ {print "h=" $2+0}')"
  IFS=', ' read -r l r t b < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //')
  xwd -root -silent >"$work/screen.xwd"
  ffmpeg -v error -y -i "$work/screen.xwd" \
    -vf "crop=$((w + l + r)):$((h + t + b)):$((x - l)):$((y - t))" "$out"
  echo "wrote $out"
}

mkdir -p docs

# Playing: the sample movie, half-way through.
start "$work"
sleep 2.5
shoot docs/playing.png
kill "$player"
wait "$player" 2>/dev/null || true

# The folder list over the movie, Ctrl+H, the first name chosen. The list
# shows names only, so empty files serve.
folder=$work/Holiday
mkdir -p "$folder"
for name in "Beach at dawn.mov" "Boat trip.mp4" "Castle ruins.avi" "Fireworks.mpg" \
            "Harbour lights.mp4" "Market day.mov" "Seagulls.wav" "Sunset.gif"; do
  : >"$folder/$name"
done
: >"$folder/packing list.txt"  # not a movie: not listed
start "$folder"
sleep 1.5
xdotool windowactivate --sync "$window"
xdotool keydown ctrl key h keyup ctrl   # the key goes up while Ctrl is held
sleep 1
xdotool key Down
sleep 0.5
shoot docs/folder-list.png
