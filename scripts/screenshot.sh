#!/usr/bin/env bash
# Starts TuneSnip under a private Xvfb and saves screenshots of the splash and the main window:
#   docs/splash.png and docs/screenshot.png (the whole screen, so the window's shape shows).
# Usage: scripts/screenshot.sh [build dir]   (the program must be built)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
display=:97
out=docs
mkdir -p "$out"
Xvfb "$display" -screen 0 1024x700x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
sleep 1
# A patterned desktop, so that transparent corners are visible in the picture.
DISPLAY=$display xsetroot -mod 8 8 -fg '#5a7a8c' -bg '#c8d4dc' 2>/dev/null || true
DISPLAY=$display "$build/app/tunesnip" &
app=$!
sleep 1.2
DISPLAY=$display import -window root "$out/splash.png"
sleep 3.5
DISPLAY=$display import -window root "$out/screenshot.png"
echo "wrote $out/splash.png and $out/screenshot.png"
