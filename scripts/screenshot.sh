#!/usr/bin/env bash
# Screenshots of the editor window, one PNG per season tab, taken under Xvfb.
#
#   scripts/screenshot.sh FILE [OUTDIR] [ENTRY]
#
# Starts the editor on FILE, selects list entry ENTRY (1-based, default 1) so every box is
# filled, and writes OUTDIR/window-spring.png ... OUTDIR/window-winter.png (OUTDIR defaults to
# screenshots/ in the build folder, which git ignores). QT_SCALE_FACTOR is passed through, e.g. QT_SCALE_FACTOR=2 for a 2x window.
# The editor is taken from $BUILD_DIR (default build/); run scripts/setup.sh first.
# Needs xvfb-run, xdotool and ImageMagick's import: installed when missing if run as root.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}
editor=$build/app/weather-editor

# The central area below the toolbar is 726 x 489 logical pixels; these points lie inside the
# first list entry and the Spring tab's start-day box (see the layout in ui/frmweather.cpp).
client_height=489
list_entry=(28 36)
start_day_box=(248 133)

if [ "${1:-}" = --inside ]; then
    shift
    file=$1 out=$2 entry=$3
    "$editor" "$file" &
    editor_pid=$!
    trap 'kill "$editor_pid" 2>/dev/null || true' EXIT
    wid=$(timeout 30 xdotool search --sync --onlyvisible --name 'Weather Configurations Editor' | head -n1)
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    scale=${QT_SCALE_FACTOR:-1}
    # Window-relative point of the central area's logical (x, y).
    at() { awk -v x="$1" -v y="$2" -v s="$scale" -v w="$X" -v h="$Y" -v H="$HEIGHT" -v c="$client_height" \
        'BEGIN { printf "%d %d", w + x * s, h + H - c * s + y * s }'; }
    # shellcheck disable=SC2046
    xdotool mousemove $(at "${list_entry[@]}") click 1
    for ((i = 1; i < entry; i++)); do xdotool key Down; done
    # shellcheck disable=SC2046
    xdotool mousemove $(at "${start_day_box[@]}") click 1
    sleep 0.5
    for season in spring summer autumn winter; do
        import -window "$wid" "$out/window-$season.png"
        echo "$out/window-$season.png"
        xdotool key ctrl+Tab
        sleep 0.5
    done
    exit 0
fi

file=${1:?usage: scripts/screenshot.sh FILE [OUTDIR] [ENTRY]}
out=${2:-$build/screenshots}
entry=${3:-1}
[ -x "$editor" ] || { echo "No editor at $editor: run scripts/setup.sh first." >&2; exit 1; }

missing=()
command -v xvfb-run >/dev/null || missing+=(xvfb xauth)
command -v xdotool >/dev/null || missing+=(xdotool)
command -v import >/dev/null || missing+=(imagemagick)
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -eq 0 ]; then
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" >/dev/null
    else
        echo "Missing tools. Run as root:  apt-get install ${missing[*]}" >&2
        exit 1
    fi
fi

mkdir -p "$out"
file=$(realpath "$file")
out=$(realpath "$out")
QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1920x1440x24' \
    bash "${BASH_SOURCE[0]}" --inside "$file" "$out" "$entry"
