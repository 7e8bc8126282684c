# Timing for the shell benchmarks, sourced by them: two commands run in pairs, one right after
# the other (which one goes first alternates), so that load on the machine falls on both alike.
# The caller sets $runs and defines the functions run_a and run_b before each paired_compare.

# Prints "wall cpu" in seconds for one run of "$@"; cpu is user + system time.
# Its own names start with "timed_", so that run_a and run_b see their callers' variables.
time_once() {
  local timed_out timed_wall timed_user timed_sys
  timed_out=$( { TIMEFORMAT='%R %U %S'; time "$@" </dev/null >/dev/null 2>&1 || echo "failed: $*" >&2; } 2>&1 )
  case $timed_out in failed*) echo "$timed_out" >&2; return 1 ;; esac
  read -r timed_wall timed_user timed_sys <<<"$timed_out"
  awk -v w="$timed_wall" -v u="$timed_user" -v s="$timed_sys" 'BEGIN {printf "%.3f %.3f\n", w, u + s}'
}

# paired_compare <label> <target> <name of a> <name of b>: $runs pairs of run_a and run_b; prints
# for each the median and the range (min-max) of the wall and CPU times, the ratio of the
# medians a / b, and the median of the pairs' own ratios.
paired_compare() {
  local paired_label=$1 paired_target=$2 paired_a=$3 paired_b=$4
  local paired_results="" paired_pair paired_ta paired_tb
  for paired_pair in $(seq "$runs"); do
    # A run that fails stops the benchmark (time_once has said which).
    if [ $((paired_pair % 2)) -eq 1 ]; then
      paired_ta=$(time_once run_a) || exit 1; paired_tb=$(time_once run_b) || exit 1
    else
      paired_tb=$(time_once run_b) || exit 1; paired_ta=$(time_once run_a) || exit 1
    fi
    paired_results+="$paired_ta $paired_tb"$'\n'
  done
  awk -v l="$paired_label" -v t="$paired_target" -v na="$paired_a" -v nb="$paired_b" '
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
      printf "  wall  %-6s %7.3f s [%.3f-%.3f]  %-6s %7.3f s [%.3f-%.3f]  ratio of medians %5.2f  median of pair ratios %5.2f\n",
        na, median(cw, n), lo(cw, n), hi(cw, n), nb, median(fw, n), lo(fw, n), hi(fw, n),
        median(cw, n) / median(fw, n), median(rw, n)
      printf "  cpu   %-6s %7.3f s [%.3f-%.3f]  %-6s %7.3f s [%.3f-%.3f]  ratio of medians %5.2f  median of pair ratios %5.2f\n",
        na, median(cc, n), lo(cc, n), hi(cc, n), nb, median(fc, n), lo(fc, n), hi(fc, n),
        median(cc, n) / median(fc, n), median(rc, n)
    }' <<<"$paired_results"
}
