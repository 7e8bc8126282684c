#!/usr/bin/env bash
# Starts TuneSnip under a private Xvfb and saves screenshots of the whole screen, so that the
# windows' shapes show: docs/splash.png, docs/screenshot.png (the main window at start) and
# docs/editing.png (a generated tone opened, played, given a random selection and zoomed to it,
# driven with xdotool as a user would). Usage: scripts/screenshot.sh [build dir]  (the program must be built)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
display=:97
out=docs
mkdir -p "$out"
work=$(mktemp -d /tmp/tunesnip-shots.XXXXXX)
Xvfb "$display" -screen 0 1024x700x24 >/dev/null 2>&1 &
xvfb=$!
app=
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=$display
sleep 1
ffmpeg -v error -y -f lavfi -i "sine=frequency=330:duration=45" -f lavfi -i "anoisesrc=d=45:a=0.2" \
  -filter_complex "[0][1]amix=inputs=2,volume=2,apulsator=hz=0.3" -ar 44100 -ac 2 -b:a 128k "$work/song.mp3"

SDL_AUDIODRIVER=dummy "$build/app/tunesnip" &
app=$!
sleep 1.2
import -window root "$out/splash.png"
sleep 3.5
import -window root "$out/screenshot.png"

# The main window's top-left corner, then clicks at its designed places.
win=$(xdotool search --name '^TuneSnip$' | tail -n 1)
eval "$(xdotool getwindowgeometry --shell "$win")"
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep "${3:-0.5}"; }
click 161 238 1.5                  # the document icon of the getting-started steps: open dialog
xdotool type --delay 5 "$work/song.mp3"
xdotool key Return
sleep 3                            # decode and waveform
click 37 499 2.5                   # Play
click 146 81 0.5                   # Random Music Cutter
xdotool key ctrl+e                 # zoom to the selection
sleep 0.3
xdotool mousemove $((X + 300)) $((Y + 300))
sleep 0.3
import -window root "$out/editing.png"
echo "wrote $out/splash.png, $out/screenshot.png and $out/editing.png"
