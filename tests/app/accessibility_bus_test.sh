#!/usr/bin/env bash
# The program as a screen reader meets it: a private X server (Xvfb), a private session bus with
# the desktop's accessibility bus on it (at-spi2-core), and an accessibility client (pyatspi)
# that walks the program's tree and uses it without a mouse (accessibility_bus_test.py).
# Usage: accessibility_bus_test.sh <tunesnip program>. Fails, never skips, when a tool is missing.
set -euo pipefail
program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (bash scripts/install-deps.sh)"; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' || { echo "FAIL: python3-pyatspi is missing (bash scripts/install-deps.sh)"; exit 1; }

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# A display of its own: Xvfb picks a free number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 1 200); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
  sleep 0.05
done
[ -s "$work/display" ] || { echo "FAIL: Xvfb gave no display"; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"

# A home of its own: settings, history and the decoded sound stay in the temporary folder.
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_CACHE_HOME="$work/home/.cache"
export XDG_STATE_HOME="$work/home/.local/state" XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 SDL_AUDIODRIVER=dummy NO_AT_BRIDGE=0
unset QT_ACCESSIBILITY_DISABLED DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS || true

# The session bus lives as long as the client; the accessibility bus is started on demand by it.
dbus-run-session -- /usr/bin/python3 "$here/accessibility_bus_test.py" "$program" "$work"
