#!/usr/bin/env bash
# Times coder against the ffmpeg program on the same command lines, on media made here, and
# prints the fastest wall and CPU times and the ratios coder / ffmpeg. Targets: decode <= 1.05, cuts <= 0.3.
# Usage: run-coder-bench.sh [path/to/coder] [runs]
set -euo pipefail

coder=${1:-"$(dirname "$0")/../build/app/data/coder"}
runs=${2:-5}
[ -x "$coder" ] || { echo "coder not found at $coder (build the coder target first)" >&2; exit 1; }
command -v ffmpeg >/dev/null || { echo "ffmpeg not found" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/coder-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

echo "Making media in $work ..."
# 10 minutes of stereo MP3 at 128k, and 60 minutes of stereo 16-bit WAV (about 635 MB).
ffmpeg -nostdin -v error -f lavfi -i "anoisesrc=d=600:c=pink:r=44100:a=0.3:seed=1" -ac 2 -b:a 128k "$work/song.mp3"
ffmpeg -nostdin -v error -f lavfi -i "sine=frequency=440:duration=3600:sample_rate=44100" -ac 2 \
  -c:a pcm_s16le "$work/long.wav"

# Prints "wall cpu" in seconds for one run of "$@"; cpu is user + system time.
time_once() {
  local out
  out=$( { TIMEFORMAT='%R %U %S'; time "$@" </dev/null >/dev/null 2>&1 || echo "failed: $*" >&2; } 2>&1 )
  case $out in failed*) echo "$out" >&2; exit 1 ;; esac
  local wall user sys
  read -r wall user sys <<<"$out"
  awk -v w="$wall" -v u="$user" -v s="$sys" 'BEGIN {printf "%.3f %.3f\n", w, u + s}'
}

# Runs one case with the same arguments for both programs, alternating between them so that
# other work on the machine disturbs both alike, and prints the fastest times and their ratios.
compare() {
  local label=$1 target=$2
  shift 2
  local results=""
  for _ in $(seq "$runs"); do
    results+="c $(time_once "$coder" "$@")"$'\n'
    results+="f $(time_once ffmpeg -nostdin "$@")"$'\n'
  done
  awk -v l="$label" -v t="$target" '
    NF == 3 {
      if (!($1 in w) || $2 < w[$1]) w[$1] = $2
      if (!($1 in c) || $3 < c[$1]) c[$1] = $3
    }
    END {
      printf "%-40s wall: coder %6.3f s ffmpeg %6.3f s ratio %5.2f | cpu: coder %6.3f s ffmpeg %6.3f s ratio %5.2f | target <= %s\n",
        l, w["c"], w["f"], w["c"] / w["f"], c["c"], c["f"], c["c"] / c["f"], t
    }' <<<"$results"
}

# Write the new media out before timing, so that no run pays for flushing them, and keep them
# in the page cache.
sync
cat "$work/song.mp3" "$work/long.wav" >/dev/null

echo "Runs per case and program: $runs, alternating (fastest counts)"
compare "decode 10-min MP3 to WAV" 1.05 -i "$work/song.mp3" -y -vn "$work/open.wav"
compare "cut 30 s at 50:00 of 60-min WAV to MP3" 0.3 \
  -i "$work/long.wav" -ss 3000 -t 30 -y -ab 128k -ar 44100 -ac 1 "$work/cut.mp3"
compare "cut 30 s at 50:00 of 60-min WAV to WMA" 0.3 \
  -i "$work/long.wav" -ss 3000 -t 30 -y -acodec wmav1 "$work/cut.wma"
compare "cut 30 s at 50:00 of 60-min WAV to WAV" 0.3 \
  -i "$work/long.wav" -ss 3000 -t 30 -y "$work/cut.wav"
