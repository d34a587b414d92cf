#!/usr/bin/env bash
# Builds Qt for Windows from Debian's own qt6-base source, once, into a cache
# outside the checkout, and prints the folder it is in.
#
#   bash tools/windows/qt.sh           the folder, built first if need be
#   bash tools/windows/qt.sh --which   which source it would build, and where
#
# Qt's version is pinned. Debian's revision of it is the host's own where that
# is built already, and otherwise whichever the apt entry that serves the
# host's qt6-base-dev serves as source. The folder's name
# holds that revision and a digest of how it was configured, so that a change
# to either builds anew beside the old one. Qt is built and installed under a
# temporary folder, and moved to its name only when every step has succeeded:
# a folder under that name is always a whole Qt.
set -euo pipefail
# Bash reads a script as it runs it, and this one runs for most of an hour: a
# checkout that changed it meanwhile would have it go on from the middle of
# the new text. Within braces, all of it is read before any of it runs.
{
here=$(cd "$(dirname "$0")" && pwd)
toolchain="$here/../../cmake/mingw-w64.cmake"
which_only=false
case "${1:-}" in
"") ;;
--which) which_only=true ;;
*)
    echo "usage: bash tools/windows/qt.sh [--which]" >&2
    exit 2
    ;;
esac

if [ -n "${KELVORA_CACHE:-}" ]; then
    cache=$KELVORA_CACHE
elif [ "$(id -u)" -eq 0 ]; then
    cache=/var/cache/kelvora
else
    cache=${XDG_CACHE_HOME:-$HOME/.cache}/kelvora
fi
fail() {
    echo "Qt for Windows: $*" >&2
    exit 1
}

# The host's moc, rcc and uic generate the code, so the host's Qt must be the
# same version as the source, whatever Debian's revision of either.
upstream=6.4.2
upstream_of() { # a Debian version's upstream part: 6.4.2 of 6.4.2+dfsg-10
    local version=${1#*:}
    echo "${version%%[+~-]*}"
}
host=$(dpkg-query -W -f='${source:Version}' qt6-base-dev 2>/dev/null) ||
    fail "qt6-base-dev is not installed; its moc, rcc and uic build Kelvora (Debian: qt6-base-dev)"
[ "$(upstream_of "$host")" = "$upstream" ] ||
    fail "the host's Qt is $host, but Kelvora for Windows is built with Qt $upstream, and the host's moc, rcc and uic must be that version (Debian 12's qt6-base-dev)"
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
use() { # use VERSION: Qt built from that Debian source version, its key and folder
    version=$1
    key=$({
        echo "$version"
        echo "${options[*]}"
        cat "$toolchain"
    } | sha256sum | cut -c1-12)
    prefix="$cache/qt-${version%%+*}-win64-$key"
}
installed() { [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]; }

# Built from the host's own revision, it is there without asking the network.
use "$host"
if ! $which_only && installed; then
    echo "$prefix"
    exit 0
fi

# The apt entry that serves the installed qt6-base-dev (not whichever entry
# comes first: it may be another archive), or, once a point release or a
# security update has replaced that revision, the one that serves its
# successor; and the revision of Qt that entry serves as source now. Asked
# through a throwaway apt configuration, so that the machine's sources, lists
# and caches are left as they were.
binary=$(dpkg-query -W -f='${Version}' qt6-base-dev)
entries=$(LC_ALL=C apt-cache policy qt6-base-dev | awk '
    /^  Version table:/ { table = 1; next }
    !table { next }
    $1 == "***" { version = $2; next }
    NF == 2 && $2 ~ /^-?[0-9]+$/ { version = $1; next }
    $2 ~ /^[a-z+]+:\/\// && $3 ~ /\// { print version, $2, $3 }')
entry=
while read -r served_version served_entry; do
    if [ "$served_version" = "$binary" ]; then
        entry=$served_entry
        break
    fi
    [ -n "$entry" ] || [ "$(upstream_of "$served_version")" != "$upstream" ] || entry=$served_entry
done <<<"$entries"
[ -n "$entry" ] ||
    fail "no apt entry serves qt6-base-dev $binary or another $upstream (apt-cache policy qt6-base-dev names none): run apt-get update, or restore the entry it came from"
uri=${entry% *}
suite=${entry#* }
component=${suite#*/}
suite=${suite%%/*}
mkdir -p "$cache/logs"
apt_dir=$(mktemp -d "${TMPDIR:-/tmp}/kelvora-qt-apt.XXXXXX")
trap 'rm -rf "$apt_dir"' EXIT
mkdir -p "$apt_dir/lists/partial" "$apt_dir/download"
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $uri $suite $component" \
    >"$apt_dir/sources.list"
apt_options=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o "Dir::State::Lists=$apt_dir/lists" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=
    -o Debug::NoLocking=1)
log="$cache/logs/qt-$upstream-sources.log"
if ! apt-get "${apt_options[@]}" update >"$log" 2>&1 || grep -qE '^(Err|W: Failed)' "$log"; then
    fail "no access to the sources of $uri $suite $component, so Qt cannot be downloaded (log: $log); the run and test commands do not need it"
fi
served=$(apt-cache "${apt_options[@]}" showsrc qt6-base 2>/dev/null |
    awk '/^Package: / { package = $2 } /^Version: / && package == "qt6-base" { print $2 }' |
    paste -sd ' ')
version=
for candidate in $served; do
    [ "$(upstream_of "$candidate")" = "$upstream" ] || continue
    [ -z "$version" ] || dpkg --compare-versions "$candidate" gt "$version" || continue
    version=$candidate
done
[ -n "$version" ] ||
    fail "$uri $suite $component serves no source of qt6-base $upstream (it serves: ${served:-none})"
use "$version"
if $which_only; then
    state="to be built"
    ! installed || state=built
    echo "qt6-base $version from $uri $suite $component: $prefix ($state)"
    exit 0
fi
if installed; then
    echo "$prefix"
    exit 0
fi

# One build folder per key. A run that fails leaves it, so that the next one
# goes on where it stopped (ninja rebuilds only what is missing); it is never
# taken for a Qt, since only a whole install is moved to the prefix.
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
    rm -rf "$work/src" "$work/build"
    (cd "$apt_dir/download" &&
        step download apt-get "${apt_options[@]}" source --download-only "qt6-base=$version")
    step unpack dpkg-source -x "$apt_dir/download"/qt6-base_*.dsc "$work/src"
    rm -rf "$apt_dir/download"
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
exit
}
