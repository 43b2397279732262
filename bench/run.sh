#!/usr/bin/env bash
# Builds the benchmarks in Release, runs them (load, save, CSV import and export against their
# floors, with the ratios; drawing a group's bars on a season tab after a keystroke, offscreen;
# sorting and filtering the table of every value on 10000 configurations), then times `weather-editor --check` on the largest file the format allows and
# `weather-editor --import-csv` on its CSV with /usr/bin/time -v, and `weather-editor --diff` of
# that file and one as long that differs in every value against two --check runs on them, and
# the window's opening of that file, a keystroke in its find box and Compare with File against a
# file that differs in every value.
# Timings depend on the machine and its load, so nothing here is part of the tests.
#   bench/run.sh [benchmark flags]   e.g. --benchmark_filter=load
# Exits 1 when a target is missed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BENCH_BUILD_DIR:-$root/build-bench}
check_runs=5
diff_runs=7
diff_limit=3 # --diff at most this many times two --check runs
wall_limit_ms=100
memory_limit_mb=64 # millions of bytes; /usr/bin/time reports KiB

if [ ! -x /usr/bin/time ] || [ ! -e /usr/include/benchmark/benchmark.h ]; then
    echo "Missing packages. Run as root: apt-get install time libbenchmark-dev" >&2
    exit 1
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DWEATHER_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target weather_bench weather_bars_bench weather_table_bench weather-editor \
    bench_window

status=0
"$build/bench/weather_bench" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
    "$@" || status=1
"$build/bench/weather_bars_bench" --benchmark_repetitions=10 \
    --benchmark_report_aggregates_only=true || status=1
"$build/bench/weather_table_bench" --benchmark_repetitions=10 \
    --benchmark_report_aggregates_only=true || status=1

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
file=$tmp/weather.cfg
changed=$tmp/changed.cfg
"$build/bench/weather_bench" --write-largest "$file" "$changed"

# One line per run: wall time in ms, peak resident memory in KiB.
for _ in $(seq "$check_runs"); do
    /usr/bin/time -v -o "$tmp/time.txt" "$build/app/weather-editor" --check "$file" >"$tmp/out.txt"
    grep -q ': 10000 configurations$' "$tmp/out.txt" || {
        cat "$tmp/out.txt" >&2
        exit 1
    }
    awk -F': ' '
        /Elapsed \(wall clock\)/ { n = split($2, t, ":"); s = 0
                                  for (i = 1; i <= n; i++) s = s * 60 + t[i]
                                  wall = int(s * 1000 + 0.5) }
        /Maximum resident set size/ { rss = $2 }
        END { printf "%d %d\n", wall, rss }' "$tmp/time.txt"
done >"$tmp/runs.txt"

echo
echo "weather-editor --check on the largest file ($(stat -c %s "$file") bytes), $check_runs runs:"
sort -n "$tmp/runs.txt" | awk -v runs="$check_runs" -v wall_limit="$wall_limit_ms" \
    -v memory_limit="$memory_limit_mb" '
    { wall[NR] = $1; if ($2 > rss) rss = $2; all = all sep $1; sep = ", " }
    END {
        median = wall[int((runs + 1) / 2)]
        printf "  wall time: %d ms median (runs: %s ms; target under %d ms): %s\n",
               median, all, wall_limit, median < wall_limit ? "met" : "MISSED"
        peak = rss * 1024 / 1e6
        printf "  peak memory: %.1f MB at most (target under %d MB): %s\n",
               peak, memory_limit, peak < memory_limit ? "met" : "MISSED"
        exit !(median < wall_limit && peak < memory_limit)
    }' || status=1

# The command-line import of the largest file's CSV: wall time and peak memory of one run.
"$build/app/weather-editor" --export-csv "$file" -o "$tmp/largest.csv"
/usr/bin/time -v -o "$tmp/time.txt" "$build/app/weather-editor" --import-csv "$tmp/largest.csv" \
    -o "$tmp/imported.cfg"
cmp -s "$file" "$tmp/imported.cfg" || {
    echo "the import of the largest file's CSV does not give back the file" >&2
    exit 1
}
echo
echo "weather-editor --import-csv on its CSV ($(stat -c %s "$tmp/largest.csv") bytes):"
awk -F': ' -v memory_limit="$memory_limit_mb" '
    /Elapsed \(wall clock\)/ { n = split($2, t, ":"); s = 0
                              for (i = 1; i <= n; i++) s = s * 60 + t[i]
                              wall = int(s * 1000 + 0.5) }
    /Maximum resident set size/ { peak = $2 * 1024 / 1e6 }
    END {
        printf "  wall time: %d ms\n", wall
        printf "  peak memory: %.1f MB (target under %d MB): %s\n", peak, memory_limit,
               peak < memory_limit ? "met" : "MISSED"
        exit !(peak < memory_limit)
    }' "$tmp/time.txt" || status=1

# The import of a CSV whose header row is one 60 MB line (the layout's columns, then 30 million
# columns of the user's own): read in one pass, in memory that does not grow with the row beyond
# the file's own bytes.
header_mb=60
header_cpu_limit_ms=2000
head -n 1 "$tmp/largest.csv" | tr -d '\r\n' >"$tmp/header.csv"
head -c $((header_mb * 1000000 / 2)) /dev/zero | tr '\0' 'x' | sed 's/x/,x/g' >>"$tmp/header.csv"
printf '\r\n' >>"$tmp/header.csv"
/usr/bin/time -v -o "$tmp/time.txt" "$build/app/weather-editor" --import-csv "$tmp/header.csv" \
    -o "$tmp/header.cfg"
echo
echo "weather-editor --import-csv of a CSV whose header row is one line of" \
    "$(stat -c %s "$tmp/header.csv") bytes:"
awk -F': ' -v cpu_limit="$header_cpu_limit_ms" -v file_mb="$(($(stat -c %s "$tmp/header.csv") / 1000000))" \
    -v memory_limit="$memory_limit_mb" '
    /Elapsed \(wall clock\)/ { n = split($2, t, ":"); s = 0
                              for (i = 1; i <= n; i++) s = s * 60 + t[i]
                              wall = int(s * 1000 + 0.5) }
    /User time \(seconds\)/ { user = $2 * 1000 }
    /System time \(seconds\)/ { sys = $2 * 1000 }
    /Maximum resident set size/ { peak = $2 * 1024 / 1e6 }
    END {
        cpu = user + sys
        printf "  processor time: %d ms (target at most %d ms): %s; wall time %d ms\n", cpu,
               cpu_limit, cpu <= cpu_limit ? "met" : "MISSED", wall
        printf "  peak memory: %.1f MB (target under the file, %d MB, and %d MB more): %s\n",
               peak, file_mb, memory_limit, peak < file_mb + memory_limit ? "met" : "MISSED"
        exit !(cpu <= cpu_limit && peak < file_mb + memory_limit)
    }' "$tmp/time.txt" || status=1

# --diff of the largest file and the changed one (740001 lines, written to a file), against
# --check of each of the two, run in turn; one line per round: the checks' and the diff's wall
# time in microseconds.
now_us() { echo $(($(date +%s%N) / 1000)); }
for _ in $(seq "$diff_runs"); do
    start=$(now_us)
    "$build/app/weather-editor" --check "$file" >/dev/null
    "$build/app/weather-editor" --check "$changed" >/dev/null
    checked=$(now_us)
    rc=0
    "$build/app/weather-editor" --diff "$file" "$changed" >"$tmp/diff.txt" || rc=$?
    diffed=$(now_us)
    if [ "$rc" != 1 ] || [ "$(wc -l <"$tmp/diff.txt")" != 740001 ] ||
        [ "$(tail -n 1 "$tmp/diff.txt")" != "10000 configurations differ" ]; then
        echo "--diff of the largest files: exit $rc, not the 740001 lines expected" >&2
        exit 1
    fi
    echo "$((checked - start)) $((diffed - checked))"
done >"$tmp/diff-runs.txt"

echo
echo "weather-editor --diff of two largest files that differ in every value" \
    "($(stat -c %s "$tmp/diff.txt") bytes printed), $diff_runs runs:"
awk -v runs="$diff_runs" -v limit="$diff_limit" '
    { checks[NR] = $1; diffs[NR] = $2 }
    function median(a,   n, i, j, t) {
        for (i = 1; i <= runs; i++)
            for (j = i + 1; j <= runs; j++)
                if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
        return a[int((runs + 1) / 2)]
    }
    END {
        c = median(checks) / 1000; d = median(diffs) / 1000
        printf "  two --check runs: %.1f ms median; --diff: %.1f ms median: %.2fx " \
               "(target at most %gx): %s\n", c, d, d / c, limit, d <= limit * c ? "met" : "MISSED"
        exit !(d <= limit * c)
    }' "$tmp/diff-runs.txt" || status=1

# The window, offscreen: opening the largest file with the window up (five fresh windows), one
# keystroke in the find box over its 10000 names (target: at most 5 ms), and Compare with File
# against a file as long that differs in every value, 720000 differences, up to the first screen
# of the table drawn (target: at most 1000 ms, the window not answering meanwhile).
echo
echo "The window with 10000 configurations:"
QT_QPA_PLATFORM=offscreen "$build/tests/bench_window" fillListWith10000 findKeystrokeIn10000 \
    compareWith10000Differences 2>&1 | awk -v limit=5 -v compare_limit=1000 '
    /^RESULT : BenchWindow::fillListWith10000/ { getline; opens = opens sep $1; sep = ", " }
    /^RESULT : BenchWindow::findKeystrokeIn10000/ { getline; find = $1 }
    /^RESULT : BenchWindow::compareWith10000Differences/ { getline; compare = $1 }
    END {
        printf "  open the largest file: %s ms\n", opens
        printf "  one find keystroke: %s ms (target at most %d ms): %s\n", find, limit,
               find + 0 <= limit ? "met" : "MISSED"
        printf "  Compare with File, 720000 differences, to the first screen: %s ms " \
               "(target at most %d ms): %s\n", compare, compare_limit,
               compare + 0 <= compare_limit ? "met" : "MISSED"
        exit !(find ~ /^[0-9.]+$/ && find + 0 <= limit && compare ~ /^[0-9.]+$/ &&
               compare + 0 <= compare_limit)
    }' || status=1
exit "$status"
