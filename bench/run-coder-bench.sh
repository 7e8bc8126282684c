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

# Prints "wall cpu" in seconds for one run of "$@"; cpu is user + system time.
time_once() {
  local out
  out=$( { TIMEFORMAT='%R %U %S'; time "$@" </dev/null >/dev/null 2>&1 || echo "failed: $*" >&2; } 2>&1 )
  case $out in failed*) echo "$out" >&2; exit 1 ;; esac
  local wall user sys
  read -r wall user sys <<<"$out"
  awk -v w="$wall" -v u="$user" -v s="$sys" 'BEGIN {printf "%.3f %.3f\n", w, u + s}'
}

# Runs one case with the same arguments for both programs, $runs pairs, and prints the figures.
compare() {
  local label=$1 target=$2
  shift 2
  local results="" pair c f
  for pair in $(seq "$runs"); do
    if [ $((pair % 2)) -eq 1 ]; then
      c=$(time_once "$coder" "$@"); f=$(time_once ffmpeg -nostdin "$@")
    else
      f=$(time_once ffmpeg -nostdin "$@"); c=$(time_once "$coder" "$@")
    fi
    results+="$c $f"$'\n'
  done
  awk -v l="$label" -v t="$target" '
    function median(a, n,   i, j, x, b) {
      for (i = 1; i <= n; i++) b[i] = a[i]
      for (i = 2; i <= n; i++) { x = b[i]; for (j = i - 1; j >= 1 && b[j] > x; j--) b[j + 1] = b[j]; b[j + 1] = x }
      return n % 2 ? b[(n + 1) / 2] : (b[n / 2] + b[n / 2 + 1]) / 2
    }
    function lo(a, n,   i, m) { m = a[1]; for (i = 2; i <= n; i++) if (a[i] < m) m = a[i]; return m }
    function hi(a, n,   i, m) { m = a[1]; for (i = 2; i <= n; i++) if (a[i] > m) m = a[i]; return m }
    NF == 4 {
      n++
      cw[n] = $1; cc[n] = $2; fw[n] = $3; fc[n] = $4
      rw[n] = $3 > 0 ? $1 / $3 : 0; rc[n] = $4 > 0 ? $2 / $4 : 0
    }
    END {
      printf "%s (target <= %s)\n", l, t
      printf "  wall  coder  %7.3f s [%.3f-%.3f]  ffmpeg %7.3f s [%.3f-%.3f]  ratio of medians %5.2f  median of pair ratios %5.2f\n",
        median(cw, n), lo(cw, n), hi(cw, n), median(fw, n), lo(fw, n), hi(fw, n),
        median(cw, n) / median(fw, n), median(rw, n)
      printf "  cpu   coder  %7.3f s [%.3f-%.3f]  ffmpeg %7.3f s [%.3f-%.3f]  ratio of medians %5.2f  median of pair ratios %5.2f\n",
        median(cc, n), lo(cc, n), hi(cc, n), median(fc, n), lo(fc, n), hi(fc, n),
        median(cc, n) / median(fc, n), median(rc, n)
    }' <<<"$results"
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
