#!/usr/bin/env bash
# Fuzzes the weather.cfg reader and the CSV import for FUZZ_SECONDS (60) each with libFuzzer,
# starting from their committed corpora (fuzz/corpus with the examples, fuzz/corpus-csv); a crash,
# a sanitizer report, a leak, a hang or a failed round trip fails the stage. New inputs go to
# build-fuzz/TARGET-new, so the committed corpora only change by hand
# (fuzz_reader -merge=1 fuzz/corpus build-fuzz/fuzz_reader-new). A failing input is kept in
# fuzz/artifacts/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${FUZZ_SECONDS:-60}

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DWEATHER_WERROR=$werror \
    -DWEATHER_FUZZ=ON -DWEATHER_TESTS=OFF -DWEATHER_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzz_reader fuzz_csv

mkdir -p "$root/fuzz/artifacts"
# fuzz TARGET DICTIONARY CORPUS...
fuzz() {
    local target=$1 dict=$2
    shift 2
    local work=$build/$target-new log=$build/$target.log
    rm -rf "$work"
    mkdir -p "$work"
    if ! "$build/fuzz/$target" -dict="$dict" -max_len=16384 -timeout=10 \
        -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$root/fuzz/artifacts/" \
        "$work" "$@" >"$log" 2>&1; then
        tail -n 80 "$log"
        echo "$target found a problem; the input is in fuzz/artifacts/ (full log: $log)"
        exit 1
    fi
    echo "$target:"
    grep -E '^(Done|stat::number_of_executed_units|stat::average_exec_per_sec|stat::new_units_added)' "$log"
}
fuzz fuzz_reader "$root/fuzz/weather.dict" "$root/fuzz/corpus" "$root/examples"
fuzz fuzz_csv "$root/fuzz/csv.dict" "$root/fuzz/corpus-csv"
echo "30-fuzz: passed in ${SECONDS} s"
