#!/usr/bin/env bash
# Renders the pictures of the README and of the user guide into docs/images
# from the real windows, on Qt's offscreen platform, with a build tree that is
# already configured: build/ (after `bash tools/dev.sh test`) unless another
# is named.
# The picture of the room pasted into Calc needs LibreOffice Calc, xclip,
# xdotool and ImageMagick besides.
# usage: bash tools/render-screenshots.sh [BUILD_DIR]
set -euo pipefail
# A folder given from elsewhere is taken from where the command was typed.
build=$(realpath -m "${1:-$(dirname "$0")/../build}")
cd "$(dirname "$0")/.."
[ -f "$build/CMakeCache.txt" ] ||
    { echo "$build is not a configured build tree" >&2; exit 1; }
cmake --build "$build" --target kelvora_screenshots
mkdir -p docs/images
QT_QPA_PLATFORM=offscreen "$build/tests/kelvora_screenshots" docs/images
# The copied room, pasted into Calc set to Vietnamese, as the guide shows it.
mv docs/images/copied-room.html "$build/copied-room.html"
bash tools/render-pasted-calc.sh "$build/copied-room.html" docs/images/pasted-calc.png
