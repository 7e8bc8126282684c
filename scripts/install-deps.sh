#!/usr/bin/env bash
# Installs the Debian packages TuneSnip needs to build, run and test. Idempotent and quiet:
# apt is skipped when every package is already present.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config git
  qt6-base-dev libqt6printsupport6 qt6-qpa-plugins
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libsdl2-dev
  libavformat-dev libavcodec-dev libswresample-dev libavutil-dev libavfilter-dev
  libopencore-amrnb-dev
  libqm-dsp-dev
  libgtest-dev
  ffmpeg
  xvfb xdotool imagemagick x11-utils
  dbus-daemon at-spi2-core python3-pyatspi
  fonts-dejavu-core fonts-liberation fonts-wqy-microhei
  dpkg-dev file desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
