#!/usr/bin/env bash
# Renders the PNG icons from the SVG, so that they never drift apart: 256 px
# for the icon theme and software centres, 48 px for the window itself (the
# program decodes it at start-up, where the larger one would cost 9 million
# instructions). Needs rsvg-convert (Debian's librsvg2-bin); the PNGs are
# committed.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 256 48; do
    rsvg-convert -w "$size" -h "$size" org.kelvora.kelvora.svg -o "org.kelvora.kelvora-$size.png"
done
