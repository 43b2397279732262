#!/usr/bin/env bash
# Installs what is missing, then configures and builds into build/ (or $BUILD_DIR).
# Extra CMake arguments may be passed in $CMAKE_ARGS.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}

mapfile -t wanted < <(grep -v -E '^\s*(#|$)' "$root/scripts/packages.txt")
missing=()
for pkg in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    else
        echo "Missing packages. Run as root:" >&2
        echo "  apt-get install ${missing[*]}" >&2
        exit 1
    fi
fi

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
# shellcheck disable=SC2086
cmake -S "$root" -B "$build" -G Ninja -DWEATHER_WERROR=$werror ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build"
