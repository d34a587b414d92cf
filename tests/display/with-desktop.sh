#!/usr/bin/env bash
# Runs one command on a desktop of its own: a private Xvfb screen managed by a
# window manager, and a private D-Bus session, so that the windows meet a real
# window manager (mapping, placing, activating and stacking them) as on a
# user's desktop, and Qt finds the session bus it looks for on X11 rather than
# starting one that would outlive the run. Each run takes a free display
# number, so several may run side by side.
#
#   bash tests/display/with-desktop.sh [--wm openbox|metacity] [--screen WxH] COMMAND [ARGS...]
#
# openbox on a 1280 × 800 screen unless told otherwise; metacity is the GNOME
# family's. The command runs with DISPLAY, DBUS_SESSION_BUS_ADDRESS and
# QT_QPA_PLATFORM=xcb set; the script exits with its status after stopping
# everything it started, whatever happens. A desktop that does not come up
# within a minute fails the run with one line naming what is missing.
set -euo pipefail

usage="usage: bash tests/display/with-desktop.sh [--wm openbox|metacity] [--screen WxH] COMMAND [ARGS...]"
wm=openbox screen=1280x800
while [[ "${1:-}" == --wm || "${1:-}" == --screen ]]; do
    (($# >= 2)) || { echo "$usage" >&2; exit 2; }
    [ "$1" = --wm ] && wm=$2 || screen=$2
    shift 2
done
[[ "$screen" =~ ^[0-9]+x[0-9]+$ ]] || { echo "$usage" >&2; exit 2; }
case "$wm" in
openbox | metacity) ;;
*) echo "$usage" >&2; exit 2 ;;
esac
(($# > 0)) || { echo "$usage" >&2; exit 2; }
for tool in Xvfb:xvfb "$wm:$wm" xprop:x11-utils setsid:util-linux \
    dbus-run-session:dbus-bin dbus-daemon:dbus-daemon; do
    command -v "${tool%:*}" >/dev/null ||
        { echo "with-desktop.sh: ${tool%:*} not found (Debian: ${tool#*:})" >&2; exit 2; }
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/with-desktop.XXXXXX")
pids=()
# The command runs in a process group of its own, with its bus and whatever
# the bus starts for it (the accessibility bus): all of it ends together.
group=
stop_group() {
    [ -n "$group" ] || return 0
    # A signal between the start and keeping its process number.
    [ "$group" != starting ] || group=$!
    kill -TERM -- "-$group" 2>/dev/null || return 0
    for _ in $(seq 100); do
        kill -0 -- "-$group" 2>/dev/null || return 0
        sleep 0.05
    done
    kill -KILL -- "-$group" 2>/dev/null || true
}
cleanup() {
    trap '' HUP INT TERM # a second signal must not cut the cleanup short
    stop_group
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# Polls a command while the process PID lives, until the desktop's minute is
# up: a loaded machine (ctest -j) has taken up to 30 s for one step.
deadline=$((SECONDS + 60))
await() {
    local pid=$1
    shift
    while ((SECONDS < deadline)); do
        "$@" >/dev/null 2>&1 && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.05
    done
    return 1
}

# A server and its window manager, or the name of what did not come up. With
# several desktops starting at once, openbox has twice in some hundred runs
# failed to open the display its server had just given, for a reason not
# found; a fresh start has always worked.
start_desktop() {
    : >"$scratch/display"
    # -displayfd: the first free display, written once it accepts clients.
    Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$scratch/display" \
        2>"$scratch/Xvfb.log" &
    pids=("$!" "${pids[@]}")
    await "${pids[0]}" grep -q . "$scratch/display" || { missing="X server (Xvfb)" log=Xvfb; return 1; }
    export DISPLAY=":$(head -n1 "$scratch/display")"
    # Its stock configuration, not one left in a home folder. metacity, a GTK
    # program, is kept off every bus (the session's is not up yet, and GLib
    # would start one of its own that outlives the run) and off dconf.
    XDG_CONFIG_HOME="$scratch/config" NO_AT_BRIDGE=1 GSETTINGS_BACKEND=memory \
        DBUS_SESSION_BUS_ADDRESS=disabled: "$wm" --sm-disable >"$scratch/$wm.log" 2>&1 &
    pids=("$!" "${pids[@]}")
    wm_pid=$!
    # A window manager names its check window on the root once it manages the screen.
    await "${pids[0]}" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        { missing="window manager ($wm on $DISPLAY)" log=$wm; return 1; }
}

missing= log= wm_pid=
for attempt in 1 2 3; do
    start_desktop && break
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    pids=()
    if ((attempt == 3 || SECONDS >= deadline)); then
        said=$(tail -n1 "$scratch/$log.log")
        when="within a minute"
        ((attempt < 3)) || when="after 3 attempts"
        echo "with-desktop.sh: no $missing $when${said:+ ($log: $said)}" >&2
        exit 2
    fi
done

if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$scratch/runtime"
    mkdir -m 0700 "$XDG_RUNTIME_DIR"
fi
export QT_QPA_PLATFORM=xcb
# In the background, so that a signal reaches the traps while it runs; a
# background job of this script is no group leader, so setsid needs no fork
# and its process is the group's. The command leaves a mark once on the bus.
group=starting
setsid dbus-run-session -- sh -c ': >"$0" && exec "$@"' "$scratch/on-bus" "$@" &
group=$!
pids=("$group" "${pids[@]}")
# A window manager that dies under the command would leave every wait of a
# window test to run out one after the other: the run ends at once instead,
# with the one line that says why.
(
    while kill -0 "$group" 2>/dev/null; do
        if ! kill -0 "$wm_pid" 2>/dev/null; then
            echo "with-desktop.sh: the window manager ($wm) exited during the run" >&2
            kill -TERM -- "-$group" 2>/dev/null
            exit 0
        fi
        sleep 1
    done
) &
pids=("$!" "${pids[@]}")
status=0
wait "$group" || status=$?
[ -e "$scratch/on-bus" ] || { echo "with-desktop.sh: no session bus (dbus-daemon)" >&2; exit 2; }
exit "$status"
