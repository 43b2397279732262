#!/usr/bin/env bash
# Screenshots of the editor window, one PNG per season tab, taken under Xvfb.
#
#   scripts/screenshot.sh FILE [OUTDIR] [ENTRY]
#
# Starts the editor on FILE (settings in a scratch folder, so it opens at its default size), shows
# list entry ENTRY (1-based, default 1), and writes OUTDIR/window-spring.png ... OUTDIR/window-winter.png (OUTDIR defaults to
# screenshots/ in the build folder, which git ignores). QT_SCALE_FACTOR is passed through, e.g. QT_SCALE_FACTOR=2 for a 2x window.
# The editor is taken from $BUILD_DIR (default build/); run scripts/setup.sh first.
# Needs xvfb-run, xdotool and ImageMagick's import: installed when missing if run as root.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}
editor=$build/app/weather-editor

if [ "${1:-}" = --inside ]; then
    shift
    file=$1 out=$2 entry=$3
    "$editor" "$file" &
    editor_pid=$!
    trap 'kill "$editor_pid" 2>/dev/null || true' EXIT
    wid=$(timeout 30 xdotool search --sync --onlyvisible --name 'Weather Configurations Editor' | head -n1)
    sleep 1
    # The first configuration is on display after a load; the find box (Ctrl+F), then Down,
    # puts the keyboard in the list on it, and Down moves on from there.
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    scale=${QT_SCALE_FACTOR:-1}
    # A point inside the find box: logical (40, 89) from the window's top left corner.
    xdotool mousemove "$(awk -v x="$X" -v s="$scale" 'BEGIN { print int(x + 40 * s) }')" \
        "$(awk -v y="$Y" -v s="$scale" 'BEGIN { print int(y + 89 * s) }')" click 1
    xdotool key ctrl+f Down
    for ((i = 1; i < entry; i++)); do xdotool key Down; done
    # On to the name box and the tab strip, where Ctrl+Tab turns the tabs.
    xdotool key Tab Tab
    sleep 0.5
    for season in spring summer autumn winter; do
        import -window "$wid" "$out/window-$season.png"
        echo "$out/window-$season.png"
        xdotool key ctrl+Tab
        sleep 0.5
    done
    # View > Table in place of the tabs, the same configuration current.
    xdotool key ctrl+t
    sleep 0.5
    import -window "$wid" "$out/window-table.png"
    echo "$out/window-table.png"
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
settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
XDG_CONFIG_HOME=$settings QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1920x1440x24' \
    bash "${BASH_SOURCE[0]}" --inside "$file" "$out" "$entry"
