#!/usr/bin/env bash
# Runs one command on a desktop of its own: a private Xvfb screen managed by
# openbox, so that the windows meet a real window manager (mapping, placing,
# activating and stacking them) as on a user's desktop. Each run takes a free
# display number, so several may run side by side.
#
#   bash tests/display/with-desktop.sh COMMAND [ARGS...]
#
# The command runs with DISPLAY set and QT_QPA_PLATFORM=xcb; the script exits
# with its status after stopping openbox and the server, whatever happens.
set -euo pipefail

(($# > 0)) || { echo "usage: bash tests/display/with-desktop.sh COMMAND [ARGS...]" >&2; exit 2; }
for tool in Xvfb openbox xprop; do
    command -v "$tool" >/dev/null ||
        { echo "with-desktop.sh: $tool not found (Debian: xvfb, openbox, x11-utils)" >&2; exit 2; }
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/with-desktop.XXXXXX")
pids=()
cleanup() {
    trap '' HUP INT TERM # a second signal must not cut the cleanup short
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# Polls a command while the process PID lives, for up to 30 s, the longest a
# loaded machine (ctest -j) takes.
await() {
    local pid=$1
    shift
    for _ in $(seq 600); do
        "$@" >/dev/null 2>&1 && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.05
    done
    return 1
}

# A server and its window manager, or 1. With several desktops starting at
# once, openbox has twice in some hundred runs failed to open the display its
# server had just given, for a reason not found; a fresh start has always worked.
start_desktop() {
    : >"$scratch/display"
    # -displayfd: the first free display, written once it accepts clients.
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$scratch/display" \
        2>"$scratch/Xvfb.log" &
    pids=("$!" "${pids[@]}")
    await "${pids[0]}" grep -q . "$scratch/display" || return 1
    export DISPLAY=":$(head -n1 "$scratch/display")"
    # Its stock configuration, not one left in a home folder.
    XDG_CONFIG_HOME="$scratch/config" openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
    pids=("$!" "${pids[@]}")
    # A window manager names its check window on the root once it manages the screen.
    await "${pids[0]}" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
}

for attempt in 1 2 3; do
    start_desktop && break
    cat "$scratch/Xvfb.log" "$scratch/openbox.log" >&2 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    pids=()
    ((attempt < 3)) || { echo "with-desktop.sh: no desktop after 3 attempts" >&2; exit 2; }
done

if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$scratch/runtime"
    mkdir -m 0700 "$XDG_RUNTIME_DIR"
fi
export QT_QPA_PLATFORM=xcb
# In the background, so that a signal reaches the traps while it runs.
"$@" &
pids=("$!" "${pids[@]}")
status=0
wait "${pids[0]}" || status=$?
exit "$status"
