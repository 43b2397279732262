#!/usr/bin/env bash
# Fuzzes the reader for FUZZ_SECONDS (60) with libFuzzer, starting from fuzz/corpus and the
# examples; a crash, a sanitizer report, a leak, a hang or a failed round trip fails the stage.
# New inputs go to build-fuzz/corpus-new, so the committed corpus only changes by hand
# (fuzz_reader -merge=1 fuzz/corpus build-fuzz/corpus-new). A failing input is kept in
# fuzz/artifacts/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${FUZZ_SECONDS:-60}

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DWEATHER_WERROR=$werror \
    -DWEATHER_FUZZ=ON -DWEATHER_TESTS=OFF -DWEATHER_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzz_reader

work=$build/corpus-new
rm -rf "$work"
mkdir -p "$work" "$root/fuzz/artifacts"
log=$build/fuzz_reader.log
if ! "$build/fuzz/fuzz_reader" -dict="$root/fuzz/weather.dict" -max_len=16384 -timeout=10 \
    -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$root/fuzz/artifacts/" \
    "$work" "$root/fuzz/corpus" "$root/examples" >"$log" 2>&1; then
    tail -n 80 "$log"
    echo "fuzz_reader found a problem; the input is in fuzz/artifacts/ (full log: $log)"
    exit 1
fi
grep -E '^(Done|stat::number_of_executed_units|stat::average_exec_per_sec|stat::new_units_added)' "$log"
echo "30-fuzz: passed in ${SECONDS} s"
