#!/usr/bin/env bash
# Builds tools/settingsart and draws the settings window's pictures into skin/settings/, the
# shown ones also at double density (<name>@2x.png, listed by hand in skin/settings.qrc), and the
# two pages in every language with the texts of the compiled translations of a build
# (TRANSLATIONS_DIR, by default build/app/translations: build the program first).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${SETTINGSART_BUILD_DIR:-$root/build-settingsart}"
cmake -S "$root/tools/settingsart" -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j2
translations="${TRANSLATIONS_DIR:-$root/build/app/translations}"
QT_QPA_PLATFORM=offscreen "$build/settingsart" "$root/skin/settings" "$translations" de fr es pt_BR ru zh_CN
echo "pictures written to $root/skin/settings"
