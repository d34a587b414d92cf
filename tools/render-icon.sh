#!/usr/bin/env bash
# Renders the 256 px PNG icon from the SVG, so that the two never drift apart.
# Needs rsvg-convert (Debian's librsvg2-bin); the PNG is committed.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
rsvg-convert -w 256 -h 256 org.kelvora.kelvora.svg -o org.kelvora.kelvora.png
