#!/usr/bin/env bash
# Photographs kelvora.exe from the Windows zip as Windows draws it: under Wine,
# in a Wine desktop (which frames its windows as Windows does) on a private
# Xvfb screen, after `bash tools/dev.sh windows`. Writes the README's and the
# guide's picture, or the file named. Needs ImageMagick (import, convert).
# usage: bash tools/windows/screenshot.sh [OUT.png]
set -euo pipefail
cd "$(dirname "$0")/../.."
out=$(realpath -m "${1:-docs/images/windows-main-window.png}")
zips=(build-windows/kelvora-*-win64.zip)
[ -f "${zips[0]}" ] || { echo "no Windows zip: run bash tools/dev.sh windows first" >&2; exit 1; }
zip=$(realpath "${zips[0]}")
scratch=$(mktemp -d)
export WINEPREFIX="$scratch/prefix"
xvfb=
finish() {
    /usr/lib/wine/wineserver64 -k 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$scratch"
}
trap finish EXIT
(cd "$scratch" && cmake -E tar xf "$zip")
Xvfb -displayfd 3 -screen 0 1024x640x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$scratch/display")"
bash tests/wine/run.sh --init >/dev/null 2>&1
# A Wine desktop the size of the screen, with the program in it.
bash tests/wine/run.sh explorer /desktop=Kelvora,1024x640 \
    "$(echo "$scratch"/kelvora-*-win64/kelvora.exe)" >/dev/null 2>&1 &
for _ in $(seq 120); do
    xwininfo -root -tree | grep -q '"Kelvora"' && break
    sleep 0.5
done
sleep 5
# The desktop around the window is one colour: trimming it leaves the window.
import -window root "$scratch/screen.png"
convert "$scratch/screen.png" -fuzz 3% -trim +repage "$out"
echo "$out"
