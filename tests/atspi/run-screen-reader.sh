#!/usr/bin/env bash
# Runs the program as a screen reader's user meets it: on a desktop of its own
# (tests/display/with-desktop.sh, which brings the private D-Bus session), with
# its own accessibility bus, the program's accessibility bridge on, and
# screen_reader.py walking and working it through AT-SPI. Fails, never skips,
# when something it needs is missing.
#
#   bash tests/atspi/run-screen-reader.sh PATH/TO/kelvora
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# Debian's python3-pyatspi is installed for the system's interpreter, which a
# python3 earlier on the PATH (a virtual environment, pyenv) would not see.
python=/usr/bin/python3
bus_launcher=/usr/libexec/at-spi-bus-launcher

if [ "${1:-}" != --inside ]; then
    (($# == 1)) || { echo "usage: bash tests/atspi/run-screen-reader.sh PATH/TO/kelvora" >&2; exit 2; }
    [ -x "$bus_launcher" ] && "$python" -c 'import pyatspi' 2>/dev/null ||
        { echo "run-screen-reader.sh: needs at-spi2-core and python3-pyatspi" >&2; exit 1; }
    exec bash "$here/../display/with-desktop.sh" bash "$here/run-screen-reader.sh" --inside "$1"
fi

# Inside the session bus, on the desktop. The accessibility bus is started
# here rather than on demand, so that it ends with this script.
log=$(mktemp)
"$bus_launcher" --launch-immediately >/dev/null 2>&1 &
launcher=$!
trap 'kill $launcher 2>/dev/null; rm -f "$log"' EXIT
for try in $(seq 301); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null |
        grep -q 'boolean true' && break
    ((try <= 300)) || { echo "run-screen-reader.sh: no accessibility bus after 15 s" >&2; exit 1; }
    sleep 0.05
done

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$2" >"$log" 2>&1 &
program=$!
status=0
"$python" "$here/screen_reader.py" "$program" || status=$?
# The walk ends with the main window's Thoát: the program must then end by
# itself, cleanly (under the sanitizers, that is also when leaks are told).
if ((status == 0)); then
    timeout 10 tail --pid="$program" -f /dev/null ||
        { echo "FAIL: still running 10 s after Thoát" >&2; status=1; }
    wait "$program" || { echo "FAIL: the program ended with status $?" >&2; status=1; }
fi
kill "$program" 2>/dev/null || true
((status == 0)) || { echo "--- the program's output" >&2; cat "$log" >&2; }
exit "$status"
