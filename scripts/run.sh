#!/usr/bin/env bash
# Sets up and builds, then starts the editor on the bundled example.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
exec "${BUILD_DIR:-$root/build}/app/weather-editor" "$root/examples/weather.cfg"
