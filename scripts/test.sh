#!/usr/bin/env bash
# Sets up and builds, runs every test, then every further check in scripts/stages/ in order.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${BUILD_DIR:-$root/build}" --output-on-failure -j"$(nproc)"
for stage in "$root"/scripts/stages/*.sh; do
    [ -e "$stage" ] || continue
    echo "=== $(basename "$stage")"
    bash "$stage"
done
