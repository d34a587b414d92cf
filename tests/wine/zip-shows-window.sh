#!/usr/bin/env bash
# Unpacks the Windows zip into a folder of its own and starts kelvora.exe from
# it under Wine, on the desktop that with-desktop.sh gives it: the test passes
# once the main window, named "Kelvora", is on the screen. Nothing but the
# zip's own DLLs and plugins are there for the program to find.
#
#   bash tests/display/with-desktop.sh bash tests/wine/zip-shows-window.sh ZIP
set -euo pipefail
zip=$1
here=$(cd "$(dirname "$0")" && pwd)
[ -f "$zip" ] || { echo "zip-shows-window.sh: no $zip (cmake --build: windows-packages)" >&2; exit 1; }
scratch=$(mktemp -d "${TMPDIR:-/tmp}/zip-shows-window.XXXXXX")
pid=
finish() {
    # The program has no way to be asked to end from outside but its close
    # box; ending its Wine ends it.
    /usr/lib/wine/wineserver64 -k 2>/dev/null || true
    [ -z "$pid" ] || wait "$pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap finish EXIT
(cd "$scratch" && cmake -E tar xf "$zip")
programs=("$scratch"/kelvora-*-win64/kelvora.exe)
bash "$here/run.sh" "${programs[0]}" &
pid=$!
# shellcheck source=main-window.sh
source "$here/main-window.sh"
if main_window_shown "$pid"; then
    echo "kelvora.exe from $(basename "$zip") shows its main window"
    exit 0
fi
kill -0 "$pid" 2>/dev/null || { echo "kelvora.exe ended without a window" >&2; exit 1; }
echo "kelvora.exe from $(basename "$zip") showed no main window within a minute" >&2
exit 1
