#!/usr/bin/env bash
# CI: the Debian package as a user gets it. Builds it from an existing build folder (so it costs
# little), installs it with apt-get, validates the installed desktop entry and metainfo, runs the
# installed program offscreen on a generated file given on its command line, and checks, clicking
# under Xvfb as a user would, that the settings window stores into ~/.config/tunesnip/setup.ini
# and reads it back, never beside the program in /usr/bin. Removes the package again at the end
# unless it was installed before. Installs with sudo when not run as root.
# Usage: scripts/check-package.sh [build dir, default build-test]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-test}
id=example.tunesnip.TuneSnip
deb=$(bash scripts/package.sh "$build" | tail -n 1)
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
installed_before=0
if dpkg-query -W -f='${Status}' tunesnip 2>/dev/null | grep -q 'install ok installed'; then installed_before=1; fi

work=$(mktemp -d /tmp/tunesnip-package.XXXXXX)
xvfb=
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  if [ "$installed_before" = 0 ]; then
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq tunesnip >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
echo "installed $deb"
desktop-file-validate "/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "/usr/share/metainfo/$id.metainfo.xml" >/dev/null
for size in 16 22 24 32 48 64 128 256; do
  [ -f "/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" ] || fail "no ${size}px icon"
done
[ -x /usr/libexec/tunesnip/coder ] || fail "no transcoder in /usr/libexec/tunesnip"

# A user of our own, with nothing stored yet.
export HOME="$work/home"
mkdir -p "$HOME" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy
unset XDG_CONFIG_HOME XDG_STATE_HOME XDG_CACHE_HOME
ini="$HOME/.config/tunesnip/setup.ini"
ffmpeg -v error -y -f lavfi -i "sine=frequency=440:duration=3" -b:a 64k "$HOME/tone.mp3"

# The installed program opens a file named on its command line (status 0 once it is decoded).
QT_QPA_PLATFORM=offscreen timeout 120 tunesnip --quit-after-open "$HOME/tone.mp3" 2>"$work/run.log" \
  || { cat "$work/run.log" >&2; fail "the installed program could not open a file given on its command line"; }
grep -qF "$HOME/tone.mp3" "$HOME/.local/state/tunesnip/history.ini" || fail "the opened file is not among the recent files"
echo "opened a file given on the command line"

# The settings window, clicked under Xvfb: Settings on the panel, then OK.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM

store_settings() {
  tunesnip >/dev/null 2>&1 &
  app=$!
  local win= settings= X Y WIDTH
  # The splash carries the product's name too: the main window is the one 765 pixels wide.
  for _ in $(seq 300); do
    for w in $(xdotool search --onlyvisible --name '^TuneSnip$' 2>/dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$w" | grep -E '^(X|Y|WIDTH)=')"
      [ "$WIDTH" = 765 ] && win=$w
    done
    [ -n "$win" ] && break
    sleep 0.2
  done
  [ -n "$win" ] || fail "no main window"
  eval "$(xdotool getwindowgeometry --shell "$win" | grep -E '^(X|Y)=')"
  for _ in 1 2 3 4 5; do
    xdotool mousemove $((X + 247)) $((Y + 81)) click 1
    sleep 1
    settings=$(xdotool search --onlyvisible --name '^Settings$' | head -n 1) && break
  done
  [ -n "$settings" ] || fail "the settings window did not open"
  eval "$(xdotool getwindowgeometry --shell "$settings" | grep -E '^(X|Y)=')"
  xdotool mousemove $((X + 129)) $((Y + 212)) click 1
  for _ in $(seq 100); do [ -f "$ini" ] && [ "$ini" -nt "$work/before" ] && break; sleep 0.2; done
  kill "$app"
  wait "$app" 2>/dev/null || true
  app=
}

touch "$work/before"
sleep 1
store_settings
[ -f "$ini" ] || fail "the settings were not stored in $ini"
[ "$(od -An -c "$ini" | tr -s ' ')" = " 0 \r \n 0 \r \n" ] || fail "unexpected setup.ini: $(od -c "$ini")"
[ ! -e /usr/bin/setup.ini ] || fail "setup.ini was written beside the installed program"
echo "the settings window stored into ~/.config/tunesnip/setup.ini"

# Read back: values there are preselected and stored again in the usual format.
printf '1\r\n1' >"$ini"
touch -d '-1 minute' "$ini"
touch "$work/before"
sleep 1
store_settings
[ "$(od -An -c "$ini" | tr -s ' ')" = " 1 \r \n 1 \r \n" ] || fail "setup.ini was not read back: $(od -c "$ini")"
echo "the settings window read ~/.config/tunesnip/setup.ini back"
