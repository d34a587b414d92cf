#!/usr/bin/env bash
# Builds the Debian package from a build tree, unpacks it into a scratch root
# and checks what a desktop will read from it. Any error fails the test.
# usage: check-package.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
build=$1
scratch=$2
id=org.kelvora.kelvora

rm -rf "$scratch"
mkdir -p "$scratch"
(cd "$build" && cpack -G DEB -B "$scratch" >"$scratch/cpack.log") ||
    { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/kelvora_*.deb)
root=$scratch/root
dpkg-deb -x "$deb" "$root"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for file in usr/bin/kelvora \
    "usr/share/applications/$id.desktop" \
    "usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "usr/share/icons/hicolor/256x256/apps/$id.png" \
    "usr/share/icons/hicolor/48x48/apps/$id.png" \
    "usr/share/metainfo/$id.metainfo.xml"; do
    [ -f "$root/$file" ] || fail "$file is not in the package"
done
[ -x "$root/usr/bin/kelvora" ] || fail "the program is not executable"
for size in 256 48; do
    file -b "$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "$size x $size" ||
        fail "the ${size}x$size icon is not $size x $size"
done

# The user guide, as written and as a page, and every picture each shows (as
# images/NAME.png beside it).
page=usr/share/doc/kelvora/huong-dan-su-dung.html
for guide in usr/share/doc/kelvora/huong-dan-su-dung.md "$page"; do
    [ -f "$root/$guide" ] || fail "$guide is not in the package"
    pictures=$(grep -oE '(\]\(|src=")images/[^)"]+' "$root/$guide" | sed -E 's/^(\]\(|src=")//' |
        sort -u)
    [ -n "$pictures" ] || fail "$guide shows no picture"
    for picture in $pictures; do
        file=usr/share/doc/kelvora/$picture
        [ -f "$root/$file" ] || fail "$file, shown by $guide, is not in the package"
        file -b "$root/$file" | grep -q '^PNG image data' || fail "$file is not a PNG image"
    done
done
grep -q '<meta charset="utf-8">' "$root/$page" || fail "$page does not say it is UTF-8"

desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$id.metainfo.xml"

# The package must pull in what the program links against and the font its
# windows are drawn for; shlibdeps finds the first kind.
depends=" $(dpkg-deb -f "$deb" Depends | sed -E 's/ \([^)]*\)//g; s/,/ /g') "
depends_on() { [[ "$depends" == *" $1 "* ]]; }
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation2; do
    depends_on "$needed" || fail "Depends lacks $needed:$depends"
done
# Every library the program itself names must come from a package it depends on.
program=$root/usr/bin/kelvora
for library in $(objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }'); do
    path=$(ldd "$program" | awk -v lib="$library" '$1 == lib { print $3 }')
    [ -n "$path" ] || fail "$library is not found on this system"
    # dpkg knows a library under one of its names: the link, its target, or
    # either with /lib for /usr/lib on a merged /usr.
    owner=
    for name in "$path" "$(readlink -f "$path")"; do
        for candidate in "$name" "${name/#\/usr\/lib\//\/lib\/}"; do
            [ -n "$owner" ] ||
                owner=$(dpkg-query -S "$candidate" 2>/dev/null | head -n1 | cut -d: -f1 || true)
        done
    done
    [ -n "$owner" ] || fail "no package owns $path"
    depends_on "$owner" || fail "$library comes from $owner, which is not a dependency"
done
echo "package $(basename "$deb") checked"
