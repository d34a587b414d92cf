#!/usr/bin/env bash
# Runs the program as a screen reader's user meets it: on a private desktop
# (tests/display/with-desktop.sh) with a D-Bus session bus and the
# accessibility bus of its own, the program's accessibility bridge on, and
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
    if (($# != 1)); then
        echo "usage: bash tests/atspi/run-screen-reader.sh PATH/TO/kelvora" >&2
        exit 2
    fi
    missing=()
    command -v dbus-run-session >/dev/null || missing+=("dbus-run-session (Debian: dbus-daemon)")
    command -v dbus-send >/dev/null || missing+=("dbus-send (Debian: dbus-bin)")
    [ -x "$bus_launcher" ] || missing+=("$bus_launcher (Debian: at-spi2-core)")
    "$python" -c 'import pyatspi' 2>/dev/null || missing+=("pyatspi (Debian: python3-pyatspi)")
    if ((${#missing[@]} > 0)); then
        printf 'run-screen-reader.sh: missing %s\n' "${missing[@]}" >&2
        exit 1
    fi
    exec bash "$here/../display/with-desktop.sh" \
        dbus-run-session -- bash "$here/$(basename "$0")" --inside "$1"
fi

# From here on, inside the session bus and on the desktop.
program=$2
scratch=$(mktemp -d "${TMPDIR:-/tmp}/screen-reader.XXXXXX")
launcher_pid=
program_pid=

stop() {
    local pid=$1
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || return 0
    for _ in $(seq 20); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}
cleanup() {
    # A second signal (timeout signals the whole group) must not cut it short.
    trap '' HUP INT TERM
    stop "$program_pid"
    # The launcher takes its accessibility bus down with it, and the registry
    # daemon that bus started leaves with the bus.
    stop "$launcher_pid"
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

show_log() {
    echo "--- $1" >&2
    cat "$2" >&2 || true
}

# Started here rather than on demand by the session bus, so that its output
# goes to a file and it ends with this script: nothing is left holding
# CTest's output open.
"$bus_launcher" --launch-immediately >"$scratch/launcher.log" 2>&1 &
launcher_pid=$!
deadline=$((SECONDS + 15))
# Asking the bus itself, since a call to the launcher's name before it is
# taken would have the session bus start a second launcher.
until dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'; do
    if ! kill -0 "$launcher_pid" 2>/dev/null || ((SECONDS >= deadline)); then
        show_log "at-spi-bus-launcher" "$scratch/launcher.log"
        echo "run-screen-reader.sh: the accessibility bus did not come up" >&2
        exit 1
    fi
    sleep 0.05
done

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_ASSUME_STDERR_HAS_CONSOLE=1 \
    "$program" >"$scratch/program.log" 2>&1 &
program_pid=$!

status=0
"$python" "$here/screen_reader.py" "$program_pid" || status=$?

# The walk ends by pressing the main window's Thoát, unless it had to stop
# short (status 2): the program must then end by itself, cleanly (under the
# sanitizers, that is also when leaks are told).
if ((status == 0 || status == 1)); then
    for _ in $(seq 100); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$program_pid" 2>/dev/null; then
        echo "FAIL: the program was still running 10 s after Thoát was pressed" >&2
        status=1
    else
        program_status=0
        wait "$program_pid" || program_status=$?
        program_pid=
        if ((program_status != 0)); then
            echo "FAIL: the program ended with status $program_status" >&2
            status=1
        fi
    fi
fi
if ((status != 0)); then
    show_log "the program's output" "$scratch/program.log"
    show_log "at-spi-bus-launcher" "$scratch/launcher.log"
fi
exit "$status"
