#!/usr/bin/env bash
# Fuzzes the weather.cfg reader and the CSV import for FUZZ_SECONDS (60) each with libFuzzer,
# starting from their committed corpora (fuzz/corpus with the examples, fuzz/corpus-csv); a crash,
# a sanitizer report, a leak, a hang or a failed round trip fails the stage. New inputs go to
# build-fuzz/TARGET-new, so the committed corpora only change by hand
# (fuzz_reader -merge=1 fuzz/corpus build-fuzz/fuzz_reader-new). A failing input is kept in
# fuzz/artifacts/.
# Then the window's property test (random user steps against a model) runs for FUZZ_SECONDS from
# the plain build (build/ or $BUILD_DIR) with a fresh seed, or WEATHER_PROPERTY_SEED when set; a
# failure prints the seed and step that repeat it.
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

plain=${BUILD_DIR:-$root/build}
cmake --build "$plain" --target tst_window_property
seed=${WEATHER_PROPERTY_SEED:-$(date +%s)}
log=$build/tst_window_property.log
echo "tst_window_property: seed $seed for $seconds s"
# QtTest stops a test function after QTEST_FUNCTION_TIMEOUT ms (5 minutes by default).
if ! QT_QPA_PLATFORM=offscreen WEATHER_PROPERTY_SEED=$seed WEATHER_PROPERTY_SECONDS=$seconds \
    QTEST_FUNCTION_TIMEOUT=$(((seconds + 120) * 1000)) "$plain/tests/tst_window_property" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "tst_window_property found a difference from its model (full log: $log)"
    exit 1
fi
grep -E 'sequences of' "$log"
echo "30-fuzz: passed in ${SECONDS} s"
