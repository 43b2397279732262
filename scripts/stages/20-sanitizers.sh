#!/usr/bin/env bash
# Builds the whole project and its tests with AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer in build-asan/ and runs every test there, the window tests
# offscreen. Any sanitizer report fails the stage, also one from a program that a test starts:
# a report ends the program with an exit status of its own (23 address or leak, 24 undefined
# behaviour) that no test expects, and address and leak reports are also kept in
# build-asan/reports/ in case a test ignores the status.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${ASAN_BUILD_DIR:-$root/build-asan}
reports=$build/reports

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
# The benchmark is left out: it is never run by the tests.
cmake -S "$root" -B "$build" -G Ninja -DWEATHER_WERROR=$werror \
    -DWEATHER_SANITIZE=address,undefined -DWEATHER_BENCH=OFF >/dev/null
cmake --build "$build"

rm -rf "$reports"
mkdir -p "$reports"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:exitcode=23:log_path=$reports/asan"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:exitcode=24"
status=0
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" || status=1
if compgen -G "$reports/*" >/dev/null; then
    cat "$reports"/*
    echo "sanitizer reports: $(ls "$reports" | wc -l) (in $reports)"
    status=1
fi
echo "20-sanitizers: $([ $status -eq 0 ] && echo passed || echo FAILED) in ${SECONDS} s"
exit $status
