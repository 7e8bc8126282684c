#!/usr/bin/env bash
# Builds the skin generator (tools/skingen, in build-skingen) and rewrites every skin picture in
# skin/main and skin/splash, plus skin/skin.qrc, and the desktop icons in desktop/icons. The old pictures are replaced only when the
# generator succeeded. The pictures that carry words are drawn in every language as well
# (<name>_<lang>.png), with the compiled translations of a build (TRANSLATIONS_DIR, by default
# build/app/translations: build the program first).
# Usage: scripts/make-skin.sh [--preview <dir>]
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-skingen
cmake -S tools/skingen -B "$build" -G Ninja >/dev/null
cmake --build "$build" --parallel 2
translations="$(realpath "${TRANSLATIONS_DIR:-build/app/translations}")"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work/runtime}" QT_QPA_PLATFORM=offscreen \
  "$build/skingen" "$work/skin" "$@" --languages "$translations" de fr es pt_BR ru zh_CN

rm -f skin/main/*.png skin/splash/*.png
mkdir -p skin/main skin/splash
cp "$work"/skin/main/*.png skin/main/
cp "$work"/skin/splash/*.png skin/splash/
cp "$work/skin/skin.qrc" skin/skin.qrc
mkdir -p desktop/icons
cp "$work"/skin/icons/*.png desktop/icons/
echo "skin pictures written to skin/main and skin/splash, icons to desktop/icons"
