#!/usr/bin/env bash
# The Windows program, checked under Wine: builds it with scripts/build-windows.sh (tests
# included), then in a fresh 64-bit Wine prefix runs
#   1. the QtTest programs through ctest, offscreen, naming every test skipped on Windows;
#   2. --check, --diff, --export-csv (each separator) and --import-csv on the example and a file
#      of 10000 configurations, and --check on the fuzz corpus, comparing exit codes, standard
#      output and the files written byte for byte with the Linux build's (build/app/weather-editor);
#   3. the window under Xvfb, driven by xdotool: open the example, change a value, Update and
#      Save by keys; the saved bytes must equal those the Linux build writes for the same edit
#      (with $WINDOWS_SCREENSHOT set, a picture of the screen is kept there first).
# Installs what it needs (as root). Uses 64-bit Wine alone, so no i386 architecture is needed.
# The CI stage scripts/stages/70-windows.sh. The build is a checking one, optimised for
# building fast (-O1) rather than for running fast; $CMAKE_ARGS replaces its flags.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${WINDOWS_BUILD_DIR:-$root/build-windows}
linux_editor=${BUILD_DIR:-$root/build}/app/weather-editor
wine=/usr/lib/wine/wine64
started=$(date +%s)

fail() {
    echo "check-windows: $*" >&2
    exit 1
}

"$root/scripts/ensure-packages.sh" xvfb xauth xdotool fonts-liberation
CMAKE_ARGS=${CMAKE_ARGS:-"-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DCMAKE_C_FLAGS_RELEASE=-O1"} WINDOWS_TARGETS=all \
    WINDOWS_BUILD_DIR=$build "$root/scripts/build-windows.sh"
[ -x "$linux_editor" ] || fail "$linux_editor is missing (scripts/setup.sh builds it)"
exe=$build/dist/weather-editor.exe

tmp=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    WINEPREFIX=$tmp/prefix wineserver -k 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

# A fresh prefix, without the Mono and Gecko installers' questions.
export WINEPREFIX=$tmp/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export PATH=/usr/lib/wine:$PATH
"$wine" wineboot --init >/dev/null 2>&1 || fail "wineboot could not make a prefix"
wineserver -w

# --- 1. The tests ---------------------------------------------------------------------------
echo "check-windows: the tests under Wine"
# Each QtTest program writes its log to build-windows/tests/NAME.log (tests/CMakeLists.txt).
rm -f "$build"/tests/*.log
# Offscreen, Qt for Windows knows only the fonts in the folder QT_QPA_FONTDIR names, not the
# system's. The window's faces are Liberation Sans's (as on Linux, so the captions fit alike).
# Wine passes QT_ variables on only when named WINEQT_.
export WINEQT_QPA_FONTDIR=Z:/usr/share/fonts/truetype/liberation
status=0
(cd "$build" && ctest -j2 --timeout 900 --output-on-failure) \
    >"$tmp/ctest.log" 2>&1 || status=$?
# Every test skipped on Windows, with its reason.
for log in "$build"/tests/*.log; do
    sed -n "s/^SKIP   : /skipped on Windows ($(basename "$log" .log)): /p" "$log"
done
# and those of the checks that run the program itself (tests/check_exit_codes.cmake).
grep -h '^skipped on Windows' "$build/Testing/Temporary/LastTest.log" || true
grep -E 'tests passed|tests failed' "$tmp/ctest.log" || true
if [ "$status" -ne 0 ]; then
    grep -E -A3 '^FAIL!' "$build"/tests/*.log | head -n 80 >&2 || true
    grep -E 'Failed|Timeout|Exception|\*\*\*' "$tmp/ctest.log" >&2 || true
    fail "tests failed under Wine"
fi

# --- 2. The command line, byte for byte -----------------------------------------------------
echo "check-windows: the command line against the Linux build"
work=$tmp/cli
mkdir -p "$work/inputs" "$work/linux" "$work/windows" "$work/corpus"
cp "$root/examples/weather.cfg" "$work/inputs/example.cfg"
# The fuzz corpus, checked in one run of each program: every Wine start costs a second.
cp "$root"/fuzz/corpus/* "$work/corpus/"
# 10000 configurations, made from the example's CSV rows with new numbers and names.
"$linux_editor" --export-csv "$root/examples/weather.cfg" -o "$tmp/example.csv"
awk -F, 'NR == 1 { header = $0; next } { rows[n++] = $0 }
    END {
        print header
        for (i = 0; i < 10000; i++) {
            split(rows[i % n], field, ",")
            line = i % 1000 "," "Klima Süd " i
            for (k = 3; k <= length(field); k++) line = line "," (field[k] + i) % 400
            printf "%s\r\n", line
        }
    }' "$tmp/example.csv" >"$tmp/big.csv"
"$linux_editor" --import-csv "$tmp/big.csv" -o "$work/inputs/big.cfg"
"$linux_editor" --check "$work/inputs/big.cfg" | grep -q ': 10000 configurations$' ||
    fail "the file of 10000 configurations did not load"

# run SYSTEM NAME ARGS...: runs the Linux or Windows program in $work/SYSTEM on the inputs,
# keeping its exit code, standard output and standard error.
run() {
    local system=$1 name=$2
    shift 2
    local rc=0
    if [ "$system" = linux ]; then
        (cd "$work/$system" && "$linux_editor" "$@" >"$name.out" 2>"$name.err") || rc=$?
    else
        (cd "$work/$system" && "$wine" "$exe" "$@" >"$name.out" 2>"$name.err") || rc=$?
    fi
    echo "$rc" >"$work/$system/$name.rc"
}
both() {
    run linux "$@"
    run windows "$@"
}
cp "$work"/corpus/* "$work/linux/"
cp "$work"/corpus/* "$work/windows/"
mapfile -t corpus < <(cd "$work/corpus" && ls)
both corpus-check --check "${corpus[@]}"
cp "$work"/inputs/*.cfg "$work/linux/"
cp "$work"/inputs/*.cfg "$work/windows/"
for input in "$work"/inputs/*.cfg; do
    base=$(basename "$input" .cfg)
    both "$base-check" --check "$base.cfg"
    both "$base-diff" --diff "$base.cfg" example.cfg
    for sep in comma semicolon tab; do
        both "$base-export-$sep" --export-csv "$base.cfg" --separator "$sep"
        both "$base-export-file-$sep" --export-csv "$base.cfg" --separator "$sep" \
            -o "$base-$sep.csv"
    done
    both "$base-import" --import-csv "$base-semicolon.csv" -o "$base-imported.cfg"
done
# Standard error names paths in each system's own form; exit codes, output and files must
# agree exactly.
rm -f "$work"/linux/*.err "$work"/windows/*.err
if ! diff -r -q "$work/linux" "$work/windows" >"$tmp/cli.diff"; then
    head -n 20 "$tmp/cli.diff" >&2
    fail "the Windows program's output differs from the Linux build's"
fi
echo "check-windows: outputs and written files agree byte for byte ($(find "$work/linux" -type f | wc -l) files)"

# --- 3. The window --------------------------------------------------------------------------
echo "check-windows: the window under Xvfb"
gui=$tmp/gui
mkdir -p "$gui/linux" "$gui/windows"
cp "$root/examples/weather.cfg" "$gui/windows/weather.cfg"
# Xvfb picks a free display itself and names it on a file descriptor: no clash with another
# X server on this machine.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$tmp/display" ] && break
    sleep 0.1
done
[ -s "$tmp/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(head -n 1 "$tmp/display")
for _ in $(seq 50); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.2
done
# The Wine session of the steps above, without a display, may still be running: its desktop
# would take the editor's window where no X server shows it. The editor starts a session of
# its own, on this display.
wineserver -k 2>/dev/null || true
wineserver -w
# find_window SECONDS: the editor's main window, waited for up to SECONDS.
find_window() {
    local found=
    for _ in $(seq $(($1 * 2))); do
        found=$(xdotool search --name 'weather.cfg' 2>/dev/null | head -n 1) && [ -n "$found" ] &&
            break
        sleep 0.5
    done
    echo "$found"
}
start_editor() {
    (cd "$gui/windows" && LANG=C "$wine" "$exe" weather.cfg >"$tmp/editor.log" 2>&1) &
    editor=$!
}
start_editor
window=$(find_window 90)
if [ -z "$window" ]; then
    # Once more, after saying what was on the screen: a slow first start is Wine's, a second
    # failure is the program's.
    echo "check-windows: no window after 90 s; on the screen:" \
        "$(xdotool search --name . getwindowname %@ 2>/dev/null | sort -u | tr '\n' '|')"
    kill "$editor" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    wait "$editor" 2>/dev/null || true
    start_editor
    window=$(find_window 90)
fi
if [ -z "$window" ]; then
    cat "$tmp/editor.log" >&2
    fail "the editor's window did not appear under Wine"
fi
sleep 2
# $WINDOWS_SCREENSHOT: where to keep a picture of the screen with the window as opened.
if [ -n "${WINDOWS_SCREENSHOT:-}" ]; then
    "$root/scripts/ensure-packages.sh" imagemagick
    import -window root "$WINDOWS_SCREENSHOT"
fi
xdotool windowfocus --sync "$window"
# From the find box: the list, the name box, the season tabs, then the Spring tab's start day.
# Typing replaces its text; Enter updates the season; Ctrl+S saves.
keys() { xdotool key --delay 200 "$@"; }
keys ctrl+f Escape Tab Tab Tab Tab
xdotool type --delay 200 71
keys Return
sleep 1
keys ctrl+s
for _ in $(seq 40); do
    cmp -s "$root/examples/weather.cfg" "$gui/windows/weather.cfg" || break
    sleep 0.5
done
keys alt+F4
for _ in $(seq 40); do
    kill -0 "$editor" 2>/dev/null || break
    sleep 0.5
done
if kill -0 "$editor" 2>/dev/null; then
    kill "$editor" 2>/dev/null || true
    fail "Alt+F4 did not close the window"
fi
cmp -s "$root/examples/weather.cfg" "$gui/windows/weather.cfg" &&
    fail "the window under Wine did not save the edit"
# The same edit by the Linux build: the first configuration's Spring start day (the CSV's
# third field) set to 71, through its CSV.
"$linux_editor" --export-csv "$root/examples/weather.cfg" -o "$gui/example.csv"
awk 'BEGIN { FS = OFS = "," } NR == 2 { $3 = 71 } { print }' "$gui/example.csv" >"$gui/edited.csv"
"$linux_editor" --import-csv "$gui/edited.csv" -o "$gui/linux/weather.cfg"
if ! cmp "$gui/linux/weather.cfg" "$gui/windows/weather.cfg"; then
    diff <(tr -d '\r' <"$gui/linux/weather.cfg") <(tr -d '\r' <"$gui/windows/weather.cfg") | head >&2 || true
    fail "the window's saved bytes differ from the Linux build's"
fi
[ "$(grep -c $'\r$' "$gui/windows/weather.cfg")" -eq "$(wc -l <"$gui/windows/weather.cfg")" ] ||
    fail "the saved file's lines do not all end in CR LF"
echo "check-windows: the window saved the edit; its bytes equal the Linux build's"
echo "check-windows: done in $(($(date +%s) - started)) s"
