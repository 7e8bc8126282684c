#!/usr/bin/env bash
# Builds the skin generator and (re)writes every skin picture into skin/main and skin/splash,
# plus skin/skin.qrc. Usage: scripts/make-skin.sh [--preview <dir>]
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-skingen
cmake -S tools/skingen -B "$build" -G Ninja >/dev/null
cmake --build "$build" --parallel 2
rm -f skin/main/*.png skin/splash/*.png
QT_QPA_PLATFORM=offscreen "$build/skingen" skin "$@"
echo "skin pictures written to skin/main and skin/splash"
