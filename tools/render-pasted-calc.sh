#!/usr/bin/env bash
# Pastes the copied room into LibreOffice Calc set to Vietnamese, as a user
# does with Ctrl+V, and takes the picture of it that the user guide shows.
# The room comes as tools/render-screenshots.sh leaves it (the HTML that Sao
# chép puts on the clipboard); xclip holds it on the clipboard of a desktop
# of its own, and xdotool presses the keys.
# usage: bash tools/render-pasted-calc.sh COPIED_ROOM.html OUTPUT.png
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" != --inside ]; then
    (($# == 2)) || { echo "usage: bash tools/render-pasted-calc.sh COPIED_ROOM.html OUTPUT.png" >&2; exit 2; }
    for tool in soffice xclip xdotool import; do
        command -v "$tool" >/dev/null ||
            { echo "render-pasted-calc.sh: needs $tool (libreoffice-calc xclip xdotool imagemagick)" >&2; exit 1; }
    done
    exec bash "$here/../tests/display/with-desktop.sh" --screen 1366x768 \
        bash "$0" --inside "$(realpath "$1")" "$(realpath -m "$2")"
fi
html=$2 picture=$3
profile=$(mktemp -d)
trap 'kill $calc $clipboard 2>/dev/null; wait 2>/dev/null; rm -rf "$profile"' EXIT
mkdir -p "$profile/user"
cat >"$profile/user/registrymodifications.xcu" <<'XCU'
<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Setup/L10N"><prop oor:name="ooSetupSystemLocale" oor:op="fuse"><value>vi-VN</value></prop></item>
<item oor:path="/org.openoffice.Office.Common/Misc"><prop oor:name="FirstRun" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Office.Common/Misc"><prop oor:name="ShowTipOfTheDay" oor:op="fuse"><value>false</value></prop></item>
XCU
echo '</oor:items>' >>"$profile/user/registrymodifications.xcu"

xclip -selection clipboard -t text/html -i "$html" &
clipboard=$!
soffice -env:UserInstallation="file://$profile" --norestore --nologo --calc &
calc=$!
for _ in $(seq 120); do
    xdotool search --name 'LibreOffice Calc' >/dev/null 2>&1 && break
    sleep 0.5
done
window=$(xdotool search --name 'LibreOffice Calc' | tail -1)
xdotool windowactivate --sync "$window" windowsize "$window" 1366 768 windowmove "$window" 0 0
sleep 3
xdotool key --window "$window" ctrl+Home ctrl+v
sleep 2
# Calc asks which locale reads the pasted numbers: its default, Automatic,
# is the user's own.
xdotool key Return
sleep 2
import -window root "$picture"
# What the cells show, for the record: Calc copies them back as text.
if [ -n "${KELVORA_PASTED_CELLS:-}" ]; then
    xdotool key --window "$window" ctrl+a ctrl+c
    sleep 1
    xclip -selection clipboard -o -t text/plain >"$KELVORA_PASTED_CELLS"
fi
