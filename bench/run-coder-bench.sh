#!/usr/bin/env bash
# Times coder against the ffmpeg program on the same command lines, on media made here. The two
# programs run in pairs, one right after the other (which one goes first alternates), so that
# load on the machine falls on both alike. Prints for each program the median and the range
# (min-max) of the wall and CPU times, the ratio of the medians coder / ffmpeg, and the median
# of the pairs' own ratios. Targets: decode <= 1.05, cuts <= 0.3.
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

. "$(dirname "$0")/paired-runs.sh"

# Runs one case with the same arguments for both programs, $runs pairs, and prints the figures.
compare() {
  local label=$1 target=$2
  shift 2
  args=("$@")
  run_a() { "$coder" "${args[@]}"; }
  run_b() { ffmpeg -nostdin "${args[@]}"; }
  paired_compare "$label" "$target" coder ffmpeg
}

# Write the new media out before timing, so that no run pays for flushing them, and keep them
# in the page cache.
sync
cat "$work/song.mp3" "$work/long.wav" >/dev/null

echo "Pairs per case: $runs (coder and ffmpeg back to back, which goes first alternates; medians count)"
compare "decode 10-min MP3 to WAV" 1.05 -i "$work/song.mp3" -y -vn "$work/open.wav"
compare "cut 30 s at 50:00 of 60-min WAV to MP3" 0.3 \
  -i "$work/long.wav" -ss 3000 -t 30 -y -ab 128k -ar 44100 -ac 1 "$work/cut.mp3"
compare "cut 30 s at 50:00 of 60-min WAV to WMA" 0.3 \
  -i "$work/long.wav" -ss 3000 -t 30 -y -acodec wmav1 "$work/cut.wma"
compare "cut 30 s at 50:00 of 60-min WAV to WAV" 0.3 \
  -i "$work/long.wav" -ss 3000 -t 30 -y "$work/cut.wav"
