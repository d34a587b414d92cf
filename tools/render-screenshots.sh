#!/usr/bin/env bash
# Renders the README's screenshots into docs/images from the real windows, on
# Qt's offscreen platform, after `bash tools/dev.sh test` has configured build/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target kelvora_screenshots
mkdir -p docs/images
QT_QPA_PLATFORM=offscreen build/tests/kelvora_screenshots docs/images
