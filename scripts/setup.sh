#!/usr/bin/env bash
# Installs what is missing, then configures and builds into build/ (or $BUILD_DIR).
# Extra CMake arguments may be passed in $CMAKE_ARGS.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}

mapfile -t wanted < <(grep -v -E '^\s*(#|$)' "$root/scripts/packages.txt")
"$root/scripts/ensure-packages.sh" "${wanted[@]}"

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
# shellcheck disable=SC2086
cmake -S "$root" -B "$build" -G Ninja -DWEATHER_WERROR=$werror ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build"
