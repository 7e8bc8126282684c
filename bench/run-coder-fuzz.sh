#!/usr/bin/env bash
# Runs coder's two libFuzzer targets for a fixed time each (a bench, not part of CI) and prints,
# per target, the executions, the coverage reached, the corpus size and the findings (inputs
# that crashed, leaked, hung or ran out of memory, kept with the sanitizer's summary).
#   coder_cli_fuzz     the command-line parser and the -af chain checks; seeds: the window's
#                      command lines
#   coder_decode_fuzz  any bytes as an input file, through the decode path to a WAV file;
#                      seeds: every media file coder's tests make or read
# Usage: run-coder-fuzz.sh [test-build-dir] [seconds-per-target] [fuzz-build-dir]
# Needs clang and libclang-rt-14-dev (apt-get install clang libclang-rt-14-dev), and a built
# test build (the test command) for the seeds.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
tests=${1:-$root/build-test}
seconds=${2:-60}
fuzz=${3:-$root/build-fuzz}
command -v clang++ >/dev/null || { echo "clang++ not found (apt-get install clang libclang-rt-14-dev)" >&2; exit 1; }
[ -f "$tests/CTestTestfile.cmake" ] || { echo "no test build at $tests (run the test command first)" >&2; exit 1; }

if [ ! -f "$fuzz/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$fuzz" -G Ninja -DTUNESNIP_FUZZ=ON -DTUNESNIP_TESTS=OFF \
    -DTUNESNIP_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$fuzz" -j2 --target coder_cli_fuzz coder_decode_fuzz >/dev/null

corpus=$fuzz/fuzz-corpus
findings=$fuzz/fuzz-findings
logs=$fuzz/fuzz-logs
mkdir -p "$corpus/cli-seed" "$corpus/decode-seed" "$findings" "$logs"

# Arguments separated by NUL bytes, as the command-line fuzzer splits them.
cli_seed() {
  local name=$1
  shift
  printf '%s\0' "$@" | head -c -1 >"$corpus/cli-seed/$name"
}
cli_seed decode -i "/home/u/My Music/song.mp3" -y -vn /run/user/1000/tunesnip/open-1.wav
cli_seed mp3 -i /tmp/open.wav -ss 12 -t 30 -y -ab 128k -ar 44100 -ac 1 /home/u/ring.mp3
cli_seed wma -i /tmp/open.wav -ss 0 -t 5 -y -acodec wmav1 /home/u/ring.wma
cli_seed wav -i /tmp/open.wav -ss 1 -t 1 -y /home/u/ring.wav
cli_seed amr -i /tmp/open.wav -ss 60 -t 20 -y -ar 8000 -ab 7.4k -ac 1 /home/u/ring.amr
cli_seed clock -ss 00:01:02.5 -i in.wav -ss 1.25 -t 2:03 -y -- -out.wav
cli_seed effects -i /tmp/open.wav -ss 12 -t 30 -y -acodec aac -ab 128k -ar 44100 -ac 2 \
  -af "afade=t=in:st=0:d=1:curve=hsin,afade=t=out:st=29:d=1:curve=hsin,loudnorm=I=-16:TP=-1" /home/u/ring.m4r
cli_seed volume -i /tmp/open.wav -y -af "volume='-6.5dB':precision=double,volume=0.5" /home/u/ring.flac

if [ -z "$(ls -A "$corpus/decode-seed")" ]; then
  echo "Seeding the decoding fuzzer with the media of coder's tests ..."
  (cd "$tests" && TUNESNIP_CORPUS_DIR="$corpus/decode-seed" ctest -R '^coder/' -j2 >/dev/null) \
    || echo "warning: some coder tests failed while seeding" >&2
fi

# Runs one target for $seconds on its corpus (new inputs go to $corpus/<name>) and reports.
run() {
  local name=$1 bin=$2
  shift 2
  mkdir -p "$corpus/$name"
  local log=$logs/$name.log before seeds
  before=$(find "$findings" -name "$name-*" | wc -l)
  seeds=$(ls "$corpus/$name-seed" | wc -l)
  "$bin" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$findings/$name-" "$@" "$corpus/$name" "$corpus/$name-seed" >"$log" 2>&1 || true
  local execs rate cov ft units found
  execs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | awk '{print $2}' | tail -1)
  rate=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | awk '{print $2}' | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | awk '{print $2}')
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | awk '{print $2}')
  units=$(ls "$corpus/$name" | wc -l)
  found=$(( $(find "$findings" -name "$name-*" | wc -l) - before ))
  printf '%-18s %4ss  executions %9s  (%s/s)  coverage %s edges, %s features  seeds %s  new corpus %s  findings %s\n' \
    "$name" "$seconds" "${execs:-?}" "${rate:-?}" "${cov:-?}" "${ft:-?}" "$seeds" "$units" "$found"
  if [ "$found" -gt 0 ]; then
    grep -E '^SUMMARY:|^==[0-9]+==ERROR' "$log" | sort -u | sed 's/^/    /'
    find "$findings" -name "$name-*" -newer "$log.start" | sed 's/^/    input: /'
  fi
}

echo "Each target runs ${seconds}s (logs in $logs, findings in $findings)"
touch "$logs/cli.log.start"
run cli "$fuzz/src/coder/coder_cli_fuzz"
touch "$logs/decode.log.start"
run decode "$fuzz/src/coder/coder_decode_fuzz" -max_len=65536
