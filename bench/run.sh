#!/usr/bin/env bash
# Builds the benchmark in Release, runs it (load, save, CSV import and export against their floors,
# with the ratios), then times `weather-editor --check` on the largest file the format allows and
# `weather-editor --import-csv` on its CSV with /usr/bin/time -v.
# Timings depend on the machine and its load, so nothing here is part of the tests.
#   bench/run.sh [benchmark flags]   e.g. --benchmark_filter=load
# Exits 1 when a target is missed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BENCH_BUILD_DIR:-$root/build-bench}
check_runs=5
wall_limit_ms=100
memory_limit_mb=64 # millions of bytes; /usr/bin/time reports KiB

if [ ! -x /usr/bin/time ] || [ ! -e /usr/include/benchmark/benchmark.h ]; then
    echo "Missing packages. Run as root: apt-get install time libbenchmark-dev" >&2
    exit 1
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DWEATHER_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target weather_bench weather-editor

status=0
"$build/bench/weather_bench" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
    "$@" || status=1

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
file=$tmp/weather.cfg
"$build/bench/weather_bench" --write-largest "$file"

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
exit "$status"
