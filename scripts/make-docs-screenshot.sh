#!/usr/bin/env bash
# Remakes docs/window.png and docs/table.png, the README's pictures of the window: the example file
# opened from the game's data folder in a Wine prefix, its second configuration selected, the
# Spring tab and the table of every value, scale 1.
#
#   scripts/make-docs-screenshot.sh
#
# Uses scripts/screenshot.sh (Xvfb, xdotool, ImageMagick) and the editor in $BUILD_DIR (default
# build/); run scripts/setup.sh first.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
entry=2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The path box shows the end of the folder, which is where a player's copy of the game keeps it.
data="$scratch/home/player/.wine/drive_c/Program Files/Pitchmaster 00-01/data"
mkdir -p "$data" "$scratch/shots"
cp "$root/examples/weather.cfg" "$data/weather.cfg"

env -u QT_SCALE_FACTOR "$root/scripts/screenshot.sh" "$data/weather.cfg" "$scratch/shots" "$entry" \
    >/dev/null
# A window has few colours (under a thousand, mostly the edges of letters), so a palette of 256
# without dithering looks the same at a third of the size; -strip drops the time stamps.
for shot in spring:window table:table; do
    convert "$scratch/shots/window-${shot%%:*}.png" -strip -dither None -colors 256 \
        -define png:compression-level=9 -define png:compression-filter=0 \
        "PNG8:$root/docs/${shot#*:}.png"
    echo "$root/docs/${shot#*:}.png: $(stat -c %s "$root/docs/${shot#*:}.png") bytes"
done
