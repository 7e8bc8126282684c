#!/usr/bin/env bash
# Installs what is missing, builds TuneSnip and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# Only what the program needs to run: itself, its transcoder and its completion sound (the help
# page is copied when cmake configures); the tests and benchmarks are built by scripts/test.sh.
cmake --build build --parallel "$(nproc)" --target tunesnip coder sound_wav
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: starting under Xvfb on :99" >&2
  Xvfb :99 -screen 0 1280x1024x24 >/dev/null 2>&1 &
  export DISPLAY=:99
  sleep 1
fi
exec build/app/tunesnip "$@"
