#!/usr/bin/env bash
# Renders the PNG icons from the SVG, so that they never drift apart: 256 px
# for the icon theme and software centres, 48 px for panels and menus that
# want a small one. The program itself loads no icon: the desktop entry names
# it. Needs rsvg-convert (Debian's librsvg2-bin); the PNGs are
# committed.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 256 48; do
    rsvg-convert -w "$size" -h "$size" org.kelvora.kelvora.svg -o "org.kelvora.kelvora-$size.png"
done
