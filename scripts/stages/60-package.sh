#!/usr/bin/env bash
# Builds the Debian package from a Release build of its own, unpacks it into a scratch folder and
# checks what a user would get: the unpacked editor checks the unpacked example, the package
# depends on the Qt libraries it links and recommends Qt's translations and SVG plugin, the
# desktop entry, AppStream metadata and manual page are well formed, the changelog and metadata
# name this version, and lintian finds nothing to warn of.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${PKG_BUILD_DIR:-$root/build-pkg}
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON

fail() {
    echo "60-package: $*" >&2
    exit 1
}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DWEATHER_WERROR=$werror \
    -DWEATHER_TESTS=OFF -DWEATHER_BENCH=OFF -DWEATHER_FUZZ=OFF -DWEATHER_SANITIZE= >/dev/null
cmake --build "$build"
rm -rf "$build/package"
if ! log=$(cd "$build" && cpack -G DEB -B "$build/package" 2>&1); then
    echo "$log" >&2
    fail "cpack failed"
fi
debs=("$build"/package/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "expected one .deb in $build/package"
fi
deb=${debs[0]}
echo "package: $deb"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch"
usr=$scratch/usr
desktop=$usr/share/applications/example.weather.editor.desktop
metainfo=$usr/share/metainfo/example.weather.editor.metainfo.xml
doc=$usr/share/doc/weather-editor
for file in bin/weather-editor "${desktop#"$usr"/}" "${metainfo#"$usr"/}" \
    share/icons/hicolor/scalable/apps/weather-editor.svg share/man/man1/weather-editor.1.gz \
    share/doc/weather-editor/examples/weather.cfg share/doc/weather-editor/changelog.gz \
    share/doc/weather-editor/copyright; do
    [ -f "$usr/$file" ] || fail "the package lacks /usr/$file"
done
stray=$(cd "$scratch" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$stray" ] || fail "the package installs outside /usr: $stray"

# The unpacked editor on the unpacked example, with no display.
example=$usr/share/doc/weather-editor/examples/weather.cfg
status=0
output=$(env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/weather-editor" --check "$example") ||
    status=$?
echo "--check: $output"
[ $status -eq 0 ] || fail "--check on the packaged example exited with $status"
[ "$output" = "$example: 8 configurations" ] || fail "unexpected --check output: $output"

# Dependencies come from dpkg-shlibdeps: every Qt library the binary links must be named, by the
# Debian package that holds it (the linker drops libraries the binary does not use).
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
mapfile -t qtlibs < <(readelf -d "$usr/bin/weather-editor" |
    sed -n 's/.*Shared library: \[\(libQt6[^]]*\)\].*/\1/p')
[[ " ${qtlibs[*]} " == *" libQt6Core.so.6 "* && " ${qtlibs[*]} " == *" libQt6Widgets.so.6 "* ]] ||
    fail "the binary does not link QtCore and QtWidgets: ${qtlibs[*]}"
for lib in "${qtlibs[@]}"; do
    pkg=$(dpkg-query -S "*/$lib" | sed -n "s|^\([^:]*\):[^ ]*: .*/$lib\$|\1|p" | head -n 1)
    [ -n "$pkg" ] || fail "no installed package holds $lib"
    grep -Eq "(^|[ ,])$pkg([ ,(]|\$)" <<<"$depends" || fail "Depends does not name $pkg ($lib)"
done

# What Qt loads at run time, which shlibdeps cannot see: the SVG icon engine and Qt's own
# translations of its standard buttons.
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "Recommends: $recommends"
for pkg in libqt6svg6 qt6-translations-l10n; do
    grep -Eq "(^|[ ,])$pkg([ ,(]|\$)" <<<"$recommends" || fail "Recommends does not name $pkg"
done

desktop-file-validate --no-hints "$desktop" || fail "the desktop entry does not validate"
grep -qx 'Exec=weather-editor %f' "$desktop" ||
    fail "the desktop entry does not start weather-editor with a file"
appstreamcli validate --no-net "$metainfo" || fail "the AppStream metadata does not validate"

# The package's version opens the changelog and the metadata's list of releases.
version=$(dpkg-deb -f "$deb" Version)
logged=$(gzip -dc "$doc/changelog.gz" | dpkg-parsechangelog -l - -S Version)
[ "$logged" = "$version" ] || fail "the changelog's latest entry is $logged, the package $version"
released=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[ "$released" = "$version" ] || fail "the metadata's latest release is $released, not $version"

warnings=$(gzip -dc "$usr/share/man/man1/weather-editor.1.gz" | groff -man -ww -z 2>&1)
[ -z "$warnings" ] || fail "the manual page has roff warnings: $warnings"
# Lintian: any error or warning fails (informational tags are shown, not counted).
if ! findings=$(lintian --fail-on error,warning "$deb" 2>&1); then
    echo "$findings" >&2
    fail "lintian reports errors or warnings"
fi
[ -z "$findings" ] || echo "lintian: $findings"
echo "package checks passed"
