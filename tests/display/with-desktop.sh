#!/usr/bin/env bash
# Runs one command on a desktop of its own: a private Xvfb screen managed by
# openbox, so that the windows meet a real window manager (mapping, placing,
# decorating, activating and stacking them) as they do on a user's desktop.
# Each run takes a free display number, so several may run side by side.
#
#   bash tests/display/with-desktop.sh COMMAND [ARGS...]
#
# The command runs with DISPLAY and XAUTHORITY set and QT_QPA_PLATFORM=xcb;
# the script exits with its status, after stopping openbox and the server,
# also when it fails, is interrupted or is stopped from outside.
set -euo pipefail

if (($# == 0)); then
    echo "usage: bash tests/display/with-desktop.sh COMMAND [ARGS...]" >&2
    exit 2
fi
for tool in Xvfb openbox xprop xauth; do
    if ! command -v "$tool" >/dev/null; then
        echo "with-desktop.sh: $tool not found (Debian: xvfb, openbox, x11-utils, xauth)" >&2
        exit 2
    fi
done

# Starting either can take a few seconds on a loaded machine (ctest -j), never this long.
startup_limit_s=30

scratch=$(mktemp -d "${TMPDIR:-/tmp}/with-desktop.XXXXXX")
xvfb_pid=
openbox_pid=
command_pid=

stop() {
    local pid=$1
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || return 0
    # Whatever has not ended two seconds after being asked is killed.
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
    # The command first: it may still hold windows on the display.
    stop "$command_pid"
    stop "$openbox_pid"
    stop "$xvfb_pid"
    rm -rf "$scratch"
}
trap cleanup EXIT
# A signal ends the run through the EXIT trap, with the status a shell gives it.
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

fail() {
    echo "with-desktop.sh: $*" >&2
    exit 2
}

# The server is given a cookie before its display number is known: it accepts
# every cookie in its file whatever display the entry names, and the clients'
# entry is written once the number is known.
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
export XAUTHORITY="$scratch/Xauthority"
: >"$XAUTHORITY"
xauth -q -f "$XAUTHORITY" add ":0" MIT-MAGIC-COOKIE-1 "$cookie"

# Starts the server and the window manager; on failure, says why, stops what
# it started and returns 1.
start_desktop() {
    local deadline display_number=
    # -displayfd makes the server take the first free display and write its
    # number once it accepts connections.
    : >"$scratch/display"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -auth "$XAUTHORITY" \
        3>"$scratch/display" 2>"$scratch/Xvfb.log" &
    xvfb_pid=$!
    deadline=$((SECONDS + startup_limit_s))
    until [ -n "$display_number" ]; do
        if ! kill -0 "$xvfb_pid" 2>/dev/null; then
            cat "$scratch/Xvfb.log" >&2
            echo "with-desktop.sh: Xvfb did not start" >&2
            return 1
        fi
        if ((SECONDS >= deadline)); then
            echo "with-desktop.sh: Xvfb gave no display within ${startup_limit_s} s" >&2
            return 1
        fi
        sleep 0.05
        read -r display_number <"$scratch/display" || display_number=
    done
    export DISPLAY=":$display_number"
    xauth -q -f "$XAUTHORITY" add "$DISPLAY" MIT-MAGIC-COOKIE-1 "$cookie"

    # Openbox with its stock configuration, not one left in a home folder.
    mkdir -p "$scratch/config"
    XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache" \
        openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
    openbox_pid=$!
    # A window manager announces that it manages the screen by naming its
    # check window on the root window; only then does a window shown get managed.
    deadline=$((SECONDS + startup_limit_s))
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id # 0x'; do
        if ! kill -0 "$openbox_pid" 2>/dev/null; then
            cat "$scratch/openbox.log" "$scratch/Xvfb.log" >&2
            echo "with-desktop.sh: openbox ended on display $DISPLAY" \
                "($(xdpyinfo >/dev/null 2>&1 && echo "which answers" || echo "which does not answer"))" >&2
            return 1
        fi
        if ((SECONDS >= deadline)); then
            echo "with-desktop.sh: openbox did not manage $DISPLAY within ${startup_limit_s} s" >&2
            return 1
        fi
        sleep 0.05
    done
}

# Twice in some hundred runs, with several desktops starting at once, openbox
# could not open the display its server had just given, for a reason not
# found; a fresh server and window manager have always started.
attempt=1
until start_desktop; do
    stop "$openbox_pid"
    stop "$xvfb_pid"
    openbox_pid=''
    xvfb_pid=''
    ((attempt < 3)) || fail "no desktop after $attempt attempts"
    attempt=$((attempt + 1))
    echo "with-desktop.sh: starting again, attempt $attempt" >&2
done

if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$scratch/runtime"
    mkdir -m 0700 "$XDG_RUNTIME_DIR"
fi
export QT_QPA_PLATFORM=xcb

# In the background, so that a signal reaches the traps while it runs.
"$@" &
command_pid=$!
status=0
wait "$command_pid" || status=$?
command_pid=
exit "$status"
