#!/usr/bin/env bash
# Builds the Debian package <build dir>/tunesnip_<version>_<arch>.deb with CPack: the installed
# tree (bin, libexec, share), dependencies computed from the binaries by dpkg-shlibdeps.
# Usage: scripts/package.sh [build dir]
#   default build-release: a Release build of the program alone, configured here when missing;
#   an existing build folder (CI passes build-test) is reused as it is configured.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
dir=${1:-build-release}
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTUNESNIP_TESTS=OFF -DTUNESNIP_BENCH=OFF >/dev/null
fi
cmake --build "$dir" --parallel "$(nproc)"
rm -f "$dir"/tunesnip_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/tunesnip_*.deb)
echo "$deb"
