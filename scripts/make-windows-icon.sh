#!/usr/bin/env bash
# Renders the application icon (data/weather-editor.svg) for the Windows build, which has no SVG
# module: data/windows/weather-editor.ico (16 to 256 pixels, for the .exe, the installer and the
# Start menu) and data/windows/weather-editor.png (256 pixels, the window's icon). Run it after
# changing the SVG and commit both files. Needs ImageMagick (Debian: imagemagick).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$root/data/windows
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

pngs=()
for size in 16 24 32 48 64 128 256; do
    convert -background none -density 384 "$root/data/weather-editor.svg" -resize "${size}x${size}" \
        -strip "PNG32:$work/$size.png"
    pngs+=("$work/$size.png")
done
convert "${pngs[@]}" "$out/weather-editor.ico"
cp "$work/256.png" "$out/weather-editor.png"
echo "wrote $out/weather-editor.ico and $out/weather-editor.png"
