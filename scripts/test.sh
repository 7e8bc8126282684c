#!/usr/bin/env bash
# Installs what is missing, builds TuneSnip with warnings as errors and runs every test.
# TUNESNIP_SANITIZE=1 builds and tests with AddressSanitizer + UBSan in build-asan instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
dir=build-test
extra=()
if [ "${TUNESNIP_SANITIZE:-0}" = 1 ]; then
  dir=build-asan
  # The benchmarks measure the plain build; under the sanitizers they would only cost build time.
  extra=(-DTUNESNIP_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DTUNESNIP_BENCH=OFF)
fi
cmake -S . -B "$dir" -G Ninja -DTUNESNIP_WERROR=ON "${extra[@]}" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
cd "$dir"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
