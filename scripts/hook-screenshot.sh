#!/usr/bin/env bash
# Tries the hook finder as a user would, under a private Xvfb: opens a generated song given on
# the command line (its form is printed), presses H, and once the proposal is shown saves the
# screen as docs/hook-proposal.png.
# Usage: scripts/hook-screenshot.sh [build dir] [seed]  (tunesnip, coder and make_song built)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-test}
seed=${2:-11}
display=:96
work=$(mktemp -d /tmp/tunesnip-hook.XXXXXX)
Xvfb "$display" -screen 0 1024x700x24 >/dev/null 2>&1 &
xvfb=$!
app=
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=$display
sleep 1
"$build/tests/analysis/songgen/make_song" "$seed" "$work/song-$seed.wav"

HOME=$work XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_STATE_HOME=$work/state \
  SDL_AUDIODRIVER=dummy "$build/app/tunesnip" "$work/song-$seed.wav" &
app=$!
# The main window, once the song is open.
for _ in $(seq 50); do
  win=$(xdotool search --name '^TuneSnip$' 2>/dev/null | tail -n 1) && [ -n "$win" ] && break
  sleep 0.2
done
sleep 4
xdotool windowactivate --sync "$win" 2>/dev/null || true
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove $((X + 300)) $((Y + 520))
xdotool key h
sleep 5                            # the analysis takes about half a second; the machine may be busy
import -window root docs/hook-proposal.png
echo "wrote docs/hook-proposal.png"
