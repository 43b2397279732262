#!/usr/bin/env bash
# Builds the editor for 64-bit Windows on a Debian 12 machine and leaves in build-windows/dist/:
#   weather-editor.exe                   one self-contained static program (no DLLs beside it)
#   weather-editor-VERSION-win64.zip     the .exe, README and LICENSE
#   weather-editor-VERSION-setup.exe     the installer (per user; all users as administrator)
# Installs what is missing (as root; otherwise prints the apt-get line). Qt for Windows comes
# from, in this order: the prebuilt archive in ../shared/toolchains/ when its checksum holds,
# the copy unpacked or built before under the user's cache folder, or a build from Debian's
# own source package (about an hour on two cores). Extra CMake arguments: $CMAKE_ARGS; the
# build folder: $WINDOWS_BUILD_DIR. With WINDOWS_TARGETS=all the tests are built too; with
# WINDOWS_BUILD_QT=no it fails rather than build Qt.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${WINDOWS_BUILD_DIR:-$root/build-windows}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/weather-editor

qt_version=6.4.2
qt_name=qt-$qt_version-mingw64-static
qt_archive=$qt_name.tar.xz
qt_archive_sha256=61c312b21eada5aa1dc5bec4fb612891e9655eeca441a249400811bc61bfe723
qt_source_sha256=4f14b89a9463a540fd84a6718b8519a2297119b454ef547721015a9e9019ae9e
qt_prefix=$cache/$qt_name
# What the prefix holds, in its stamp file: the archive's checksum, or "source" when built here.
qt_stamp=$qt_prefix/.weather-editor-stamp

say() { echo "build-windows: $*"; }
fail() {
    echo "build-windows: $*" >&2
    exit 1
}

# --- Packages -------------------------------------------------------------------------------
wanted=(cmake ninja-build g++-mingw-w64-x86-64-posix mingw-w64-tools qt6-base-dev
    qt6-base-dev-tools qt6-l10n-tools qt6-tools-dev qt6-translations-l10n nsis zip xz-utils
    wine wine64 fonts-wine)
"$root/scripts/ensure-packages.sh" "${wanted[@]}"

# --- Qt for Windows -------------------------------------------------------------------------
# The prebuilt archive: beside the repository (../shared) or, for a git worktree under a
# folder of its own, one level further up; or where $WEATHER_TOOLCHAINS says.
find_prebuilt() {
    local dir
    for dir in ${WEATHER_TOOLCHAINS:-} "$root/../shared/toolchains" "$root/../../shared/toolchains"; do
        if [ -f "$dir/$qt_archive" ]; then
            echo "$dir/$qt_archive"
            return
        fi
    done
}

# Builds qtbase for x86_64-w64-mingw32 from Debian's source package into $qt_prefix, with
# Debian's patches and two guards that this feature set needs.
build_qt_from_source() {
    say "building Qt $qt_version for Windows from Debian's source package; this takes about an hour"
    local work=$cache/qt-source apt=$cache/qt-source/apt
    rm -rf "$work"
    mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial"
    # An apt configuration of our own, with deb-src entries, leaves the machine's alone.
    cat >"$apt/sources.list" <<'LIST'
deb-src http://deb.debian.org/debian bookworm main
deb-src http://deb.debian.org/debian-security bookworm-security main
LIST
    local opts=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=/dev/null"
        -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o "Debug::NoLocking=1")
    apt-get "${opts[@]}" update -qq
    (cd "$work" && apt-get "${opts[@]}" source --download-only "qt6-base=$qt_version+dfsg-10")
    echo "$qt_source_sha256  $work/qt6-base_$qt_version+dfsg.orig.tar.xz" | sha256sum -c --quiet ||
        fail "the downloaded Qt source does not have the expected checksum"
    command -v dpkg-source >/dev/null || fail "dpkg-source is missing (Debian: dpkg-dev)"
    (cd "$work" && dpkg-source -x "qt6-base_$qt_version+dfsg-10.dsc" src >/dev/null)
    # Without OpenGL and Direct2D the windows platform plugin must not reach for them.
    local plugin=$work/src/src/plugins/platforms/windows
    sed -i 's/QT_CONFIG(dynamicgl)/(QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl))/' \
        "$plugin/qwindowswindow.cpp"
    sed -i 's/QT_CONFIG(directwrite3)/(QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d))/' \
        "$plugin/qwindowsintegration.cpp"
    local features=()
    for f in sql network xml dbus printsupport concurrent opengl vulkan direct2d tabletevent \
        fontconfig jpeg zstd icu pkg_config system_freetype system_zlib system_pcre2 \
        system_png system_harfbuzz system_doubleconversion; do
        features+=("-DFEATURE_$f=OFF")
    done
    nice cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/windows-x86_64.cmake" -DWEATHER_QT_BOOTSTRAP=ON \
        -DCMAKE_INSTALL_PREFIX="$qt_prefix" -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DBUILD_SHARED_LIBS=OFF \
        -DFEATURE_static_runtime=ON -DFEATURE_freetype=ON -DQT_BUILD_EXAMPLES=OFF \
        -DQT_BUILD_TESTS=OFF "${features[@]}" >/dev/null
    nice cmake --build "$work/build"
    rm -rf "$qt_prefix"
    cmake --install "$work/build" >/dev/null
    echo source >"$qt_stamp"
    rm -rf "$work"
}

prebuilt=$(find_prebuilt)
if [ -n "$prebuilt" ] && echo "$qt_archive_sha256  $prebuilt" | sha256sum -c --quiet 2>/dev/null; then
    if [ "$(cat "$qt_stamp" 2>/dev/null)" != "$qt_archive_sha256" ]; then
        say "unpacking the prebuilt Qt from $prebuilt"
        rm -rf "$qt_prefix"
        mkdir -p "$cache"
        tar -xJf "$prebuilt" -C "$cache"
        echo "$qt_archive_sha256" >"$qt_stamp"
    fi
elif [ -f "$qt_stamp" ]; then
    [ -z "$prebuilt" ] || say "$prebuilt does not match its checksum; using the cached Qt"
else
    [ -z "$prebuilt" ] || say "$prebuilt does not match its checksum"
    [ "${WINDOWS_BUILD_QT:-yes}" != no ] ||
        fail "no prebuilt Qt for Windows ($qt_archive in ../shared/toolchains/), and" \
            "WINDOWS_BUILD_QT=no forbids the hour it takes to build one"
    build_qt_from_source
fi
say "Qt for Windows: $qt_prefix"

# --- The program --------------------------------------------------------------------------
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
# Wine runs the cross-built tests (64-bit Wine alone, as on a machine without i386).
emulator=/usr/lib/wine/wine64
# shellcheck disable=SC2086
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DWEATHER_WERROR=$werror \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/windows-x86_64.cmake" -DWEATHER_QT_PREFIX="$qt_prefix" \
    -DWEATHER_BENCH=OFF -DCMAKE_CROSSCOMPILING_EMULATOR=$emulator ${CMAKE_ARGS:-} >/dev/null
if [ "${WINDOWS_TARGETS:-}" = all ]; then
    nice cmake --build "$build"
else
    nice cmake --build "$build" --target weather-editor
fi

# --- What ships -----------------------------------------------------------------------------
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"
dist=$build/dist
rm -rf "$dist"
mkdir -p "$dist"
exe=$(find "$build" -maxdepth 2 -name weather-editor.exe -not -path "$dist/*" | head -n 1)
[ -n "$exe" ] || fail "weather-editor.exe was not built"
x86_64-w64-mingw32-strip -o "$dist/weather-editor.exe" "$exe"

# The .exe must need nothing but Windows' own DLLs.
if x86_64-w64-mingw32-objdump -p "$dist/weather-editor.exe" | sed -n 's/^\s*DLL Name: //p' |
    grep -i -E '^(libgcc|libstdc|libwinpthread|qt6|zlib|libpng|libfreetype)'; then
    fail "weather-editor.exe needs the DLLs above"
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$dist/weather-editor.exe" "$stage/"
cp "$root/README.md" "$stage/README.md"
cp "$root/LICENSE" "$stage/LICENSE.txt"
(cd "$stage" && zip -q -X -9 "$dist/weather-editor-$version-win64.zip" weather-editor.exe \
    README.md LICENSE.txt)

makensis -V2 -DVERSION="$version" -DEXE="$dist/weather-editor.exe" \
    -DICON="$root/data/windows/weather-editor.ico" -DREADME="$root/README.md" \
    -DLICENSE="$root/LICENSE" -DOUTFILE="$dist/weather-editor-$version-setup.exe" \
    "$root/data/windows/installer.nsi" >/dev/null
say "built:"
(cd "$dist" && ls -l -- *)
