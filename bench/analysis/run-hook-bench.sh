#!/usr/bin/env bash
# The hook finder's benchmark: quality on 20 generated songs against a loudest-window baseline
# and a random cutter, then speed on WAVs of 1, 4, 16 and 60 minutes against a plain
# read-and-downmix pass of the same files (paired runs, medians), and how fast a cancel is seen.
# Needs about 1 GB in $TMPDIR for the WAVs, removed at the end.
# Usage: run-hook-bench.sh [path/to/hook_bench] [pairs] [longest minutes]
set -euo pipefail

bench=${1:-"$(dirname "$0")/../../build/bench/analysis/hook_bench"}
pairs=${2:-5}
longest=${3:-60}
[ -x "$bench" ] || { echo "hook_bench not found at $bench (build the hook_bench target first)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/hook-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

"$bench" quality 20 1001
"$bench" speed "$work" "$pairs" "$longest"
