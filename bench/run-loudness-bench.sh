#!/usr/bin/env bash
# Times a 30-second cut with loudness on (-16 LUFS, the two-pass measurement, gain and, where the
# peaks need it, the true-peak limiter) against the same cut plain, as the window saves them
# from its decoded WAV. Both run in pairs; prints medians, ranges and the ratio on / plain.
# Cases: a loud song that a gain alone brings to the target, to MP3 (the window's first format)
# and to M4R; a quiet one with peaks that only the limiter holds, to MP3. Target: <= 2.5.
# Usage: run-loudness-bench.sh [path/to/coder] [runs]
set -euo pipefail

coder=${1:-"$(dirname "$0")/../build/app/data/coder"}
runs=${2:-5}
[ -x "$coder" ] || { echo "coder not found at $coder (build the coder target first)" >&2; exit 1; }
command -v ffmpeg >/dev/null || { echo "ffmpeg not found (it makes the media)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/loudness-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

echo "Making media in $work ..."
# Three minutes of something like a song: a chord on the beat, a kick, and a wash of noise.
song="0.22*sin(2*PI*220*t)+0.16*sin(2*PI*277.2*t)+0.13*sin(2*PI*329.6*t)"
beat="(0.55+0.45*exp(-6*mod(t,0.5)))"
kick="0.6*exp(-25*mod(t,0.5))*sin(2*PI*55*t)"
ffmpeg -nostdin -v error -f lavfi -i "aevalsrc='($song)*$beat+$kick':s=44100:d=180:c=stereo" \
  -f lavfi -i "anoisesrc=d=180:c=pink:r=44100:a=0.08:seed=3" \
  -filter_complex "[0][1]amix=inputs=2:normalize=0,volume=2.5" -ac 2 -b:a 192k "$work/loud.mp3"
ffmpeg -nostdin -v error -i "$work/loud.mp3" -af "volume=-20dB" -b:a 192k "$work/quiet-in.mp3"
# ...and the quiet one gets a few sharp hits near full scale.
ffmpeg -nostdin -v error -i "$work/quiet-in.mp3" \
  -f lavfi -i "aevalsrc='0.9*exp(-300*mod(t,2.3))*sin(2*PI*3000*t)':s=44100:d=180:c=stereo" \
  -filter_complex "[0][1]amix=inputs=2:normalize=0" -b:a 192k "$work/quiet.mp3"
# Decoded as the window decodes what it opens.
"$coder" -i "$work/loud.mp3" -y -vn "$work/loud.wav" >/dev/null
"$coder" -i "$work/quiet.mp3" -y -vn "$work/quiet.wav" >/dev/null

. "$(dirname "$0")/paired-runs.sh"

# One case: the window's options for `out`, with and without the loudness step.
compare() {
  local label=$1
  wav=$2 ext=$3
  shift 3
  options=("$@")
  run_a() { "$coder" -i "$wav" -ss 60 -t 30 "${options[@]}" -af loudnorm=I=-16:TP=-1 "$work/on.$ext"; }
  run_b() { "$coder" -i "$wav" -ss 60 -t 30 "${options[@]}" "$work/plain.$ext"; }
  paired_compare "$label" 2.5 on plain
}

sync
cat "$work/loud.wav" "$work/quiet.wav" >/dev/null
echo "Pairs per case: $runs (loudness on and plain back to back, which goes first alternates; medians count)"
compare "30 s of a loud song to MP3 at -16 LUFS (gain)" "$work/loud.wav" mp3 -y -ab 128k -ar 44100 -ac 1
compare "30 s of a loud song to M4R at -16 LUFS (gain)" "$work/loud.wav" m4r -y -acodec aac -ab 128k -ar 44100 -ac 2
compare "30 s of a quiet song with sharp peaks to MP3 at -16 LUFS (gain and limiter)" "$work/quiet.wav" mp3 \
  -y -ab 128k -ar 44100 -ac 1
echo "What the last runs wrote, by the ffmpeg program's EBU R 128 meter:"
for f in "$work"/on.*; do
  ffmpeg -nostdin -hide_banner -nostats -i "$f" -af ebur128=peak=true -f null - 2>&1 |
    awk -v f="$(basename "$f")" '/^    I:/ {i = $2} /^    Peak:/ {p = $2} END {printf "  %s: %s LUFS, true peak %s dBTP\n", f, i, p}'
done
