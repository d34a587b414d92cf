#!/usr/bin/env bash
# Renders the PNG icons from the SVG, so that they never drift apart: 256 px
# for the icon theme and software centres, 48 px for panels and menus that
# want a small one. The program itself loads no icon: the desktop entry names
# it. Windows takes its icon from a .ico (in the .exe and on the installer),
# which holds the sizes Explorer, the Start menu and the taskbar ask for, each
# a PNG as Windows Vista and later read. Needs rsvg-convert (Debian's
# librsvg2-bin) and python3; the PNGs and the .ico are committed.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 256 48; do
    rsvg-convert -w "$size" -h "$size" org.kelvora.kelvora.svg -o "org.kelvora.kelvora-$size.png"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for size in 16 32; do
    rsvg-convert -w "$size" -h "$size" org.kelvora.kelvora.svg -o "$work/$size.png"
done
cp org.kelvora.kelvora-48.png "$work/48.png"
cp org.kelvora.kelvora-256.png "$work/256.png"
python3 - "$work" org.kelvora.kelvora.ico <<'PY'
import struct, sys
folder, target = sys.argv[1], sys.argv[2]
sizes = [16, 32, 48, 256]
images = [open(f"{folder}/{size}.png", "rb").read() for size in sizes]
offset = 6 + 16 * len(sizes)
entries = b""
for size, image in zip(sizes, images):
    # A width or height of 256 is written as 0.
    entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
    offset += len(image)
with open(target, "wb") as ico:
    ico.write(struct.pack("<HHH", 0, 1, len(sizes)) + entries + b"".join(images))
PY
