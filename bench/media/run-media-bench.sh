#!/usr/bin/env bash
# Runs the media benchmarks: makes the WAVs in a scratch folder under /tmp, then prints the peak
# memory while playing a 1-minute and a 2-hour WAV, the waveform peak figures of a 1-hour
# 44.1 kHz stereo WAV (about 635 MB), and the zoomable waveform's figures (redraw of a 2-hour
# sound at five zoom levels; pyramid build of the 1-hour WAV). Usage: run-media-bench.sh <build dir>
set -euo pipefail
build=${1:?usage: run-media-bench.sh <build dir>}
bin=$build/bench/media
cmake --build "$build" --target media_bench -j2 >/dev/null
work=$(mktemp -d /tmp/tunesnip-media-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT

echo "== making media in $work"
"$bin/media_make_wav" "$work/minute.wav" 60 44100 2
"$bin/media_make_wav" "$work/two-hours.wav" 7200 44100 2 sparse
"$bin/media_make_wav" "$work/hour.wav" 3600 44100 2
ls -l "$work"

echo "== peak resident memory while playing (dummy driver, 2 s from the middle, 2 s from the start)"
short=$(SDL_AUDIODRIVER=dummy "$bin/media_memory_bench" "$work/minute.wav" 2)
long=$(SDL_AUDIODRIVER=dummy "$bin/media_memory_bench" "$work/two-hours.wav" 2)
echo "1-minute WAV:  $short"
echo "2-hour WAV:    $long"
s=$(sed -n 's/.*peak_kb=\([0-9]*\).*/\1/p' <<<"$short")
l=$(sed -n 's/.*peak_kb=\([0-9]*\).*/\1/p' <<<"$long")
echo "difference: $(( (l - s) )) kB (target: under 20 MB)"

echo "== cat peer, for reference"
cat "$work/hour.wav" >/dev/null
start=$(date +%s.%N); cat "$work/hour.wav" >/dev/null; end=$(date +%s.%N)
echo "cat hour.wav > /dev/null: $(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }') s"

echo "== waveform peaks of the 1-hour WAV"
QT_QPA_PLATFORM=offscreen "$bin/media_peaks_bench" "$work/hour.wav"

echo "== zoomable waveform: redraw at five zoom levels of 2 hours, pyramid build of the 1-hour WAV"
QT_QPA_PLATFORM=offscreen "$bin/media_pyramid_bench" "$work/hour.wav"
