#!/usr/bin/env bash
# Installs those of the Debian packages named as arguments that are missing: with apt-get when
# run as root, otherwise it prints the apt-get line to run and exits 1.
set -euo pipefail
missing=()
for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0
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
