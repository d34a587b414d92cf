#!/usr/bin/env bash
# Builds Qt for Windows from Debian's own qt6-base source, once, into a cache
# outside the checkout, and prints the folder it is in.
#
# The folder's name holds Debian's source version and a digest of how it was
# configured, so that a change to either builds anew beside the old one. Qt is
# built and installed under a temporary folder, and moved to its name only when
# every step has succeeded: a folder under that name is always a whole Qt.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
toolchain="$here/../../cmake/mingw-w64.cmake"

if [ -n "${KELVORA_CACHE:-}" ]; then
    cache=$KELVORA_CACHE
elif [ "$(id -u)" -eq 0 ]; then
    cache=/var/cache/kelvora
else
    cache=${XDG_CACHE_HOME:-$HOME/.cache}/kelvora
fi

# The host's moc, rcc and uic generate the code, so the source must be the
# same version as the host's Qt.
version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
# Only what Kelvora and its tests link: Core, Gui, Widgets, Test and the
# windows and offscreen platform plugins. Debian's tarball has no wintab, so
# no tablet events; the 6.4 windows plugin does not build without OpenGL, so
# it stays "dynamic" (chosen at run time, nothing more to ship). Optimised
# for size: it compiles faster than -O3 and ships smaller, and nothing
# Kelvora does waits on Qt's speed. (Leaving out Direct2D leaves the 6.4
# windows plugin asking for a DirectWrite font database that Gui then lacks.)
options=(-release -optimize-size -shared -opengl dynamic -no-feature-tabletevent
    -nomake examples -nomake tests -no-dbus -no-icu -no-zstd
    -no-feature-sql -no-feature-network -no-feature-xml -no-feature-printsupport
    -no-feature-concurrent -no-feature-jpeg -no-feature-gif -no-feature-vulkan
    -qt-zlib -qt-libpng -qt-pcre -qt-harfbuzz -qt-freetype -qt-doubleconversion)
key=$({
    echo "$version"
    echo "${options[*]}"
    cat "$toolchain"
} | sha256sum | cut -c1-12)
prefix="$cache/qt-${version%%+*}-win64-$key"
installed() { [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]; }
if installed; then
    echo "$prefix"
    exit 0
fi

# One build folder per key. A run that fails leaves it, so that the next one
# goes on where it stopped (ninja rebuilds only what is missing); it is never
# taken for a Qt, since only a whole install is moved to the prefix.
mkdir -p "$cache/logs"
work="$cache/.building-$key"
mkdir -p "$work"
exec 9>"$work/lock"
if ! flock -n 9; then
    echo "Qt for Windows: waiting for the other run that builds it" >&2
    flock 9
fi
if installed; then
    echo "$prefix"
    exit 0
fi
step() { # step NAME COMMAND...: runs it with its output in a log of its own
    local name=$1 log="$cache/logs/qt-$key-$1.log"
    shift
    echo "Qt for Windows: $name (log: $log)" >&2
    if ! "$@" >"$log" 2>&1; then
        echo "Qt for Windows: $name failed; its log is $log" >&2
        exit 1
    fi
}

if [ ! -f "$work/src/.unpacked" ]; then
    rm -rf "$work/apt" "$work/download" "$work/src" "$work/build"
    # A deb-src entry of its own, in a throwaway apt configuration, so that the
    # machine's sources and package lists are left as they were.
    mirror=$(grep -hE '^[[:space:]]*(deb|URIs:)[[:space:]]' /etc/apt/sources.list \
        /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null |
        grep -oE 'https?://[^ ]+/debian/?( |$)' | head -n1 | tr -d ' ' || true)
    mirror=${mirror:-http://deb.debian.org/debian}
    mkdir -p "$work/apt/lists/partial" "$work/download"
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror bookworm main" \
        >"$work/apt/sources.list"
    apt=(apt-get -o "Dir::Etc::SourceList=$work/apt/sources.list"
        -o Dir::Etc::SourceParts=/dev/null -o "Dir::State::Lists=$work/apt/lists"
        -o Debug::NoLocking=1)
    log="$cache/logs/qt-$key-download.log"
    if ! "${apt[@]}" update >"$log" 2>&1 || grep -qE '^(Err|W: Failed)' "$log"; then
        echo "Qt for Windows: no access to Debian's sources at $mirror, so Qt cannot be" \
            "downloaded (log: $log); the run and test commands do not need it" >&2
        exit 1
    fi
    (cd "$work/download" && step download "${apt[@]}" source --download-only "qt6-base=$version")
    step unpack dpkg-source -x "$work/download"/qt6-base_*.dsc "$work/src"
    rm -rf "$work/apt" "$work/download"
    touch "$work/src/.unpacked"
fi

mkdir -p "$work/build"
cd "$work/build"
if [ ! -f .configured ]; then
    step configure "$work/src/configure" -prefix "$prefix" -platform linux-g++ \
        -xplatform win32-g++ -qt-host-path /usr "${options[@]}" -- -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    touch .configured
fi
step build cmake --build . --parallel "$(nproc)"
rm -rf "$work/stage"
step install env DESTDIR="$work/stage" cmake --install .
mkdir -p "$(dirname "$prefix")"
mv "$work/stage$prefix" "$prefix"
rm -rf "$work"
echo "$prefix"
