#!/usr/bin/env bash
# Runs a program of the Windows build under Wine: CTest's emulator for every
# test program, and the way the Windows tests prepare and end their Wine.
#
#   bash tests/wine/run.sh PROGRAM.exe [ARGS...]   runs it, with its status
#   bash tests/wine/run.sh --dpi DPI PROGRAM.exe [ARGS...]
#                                                  runs it at that resolution
#   bash tests/wine/run.sh --init                  makes $WINEPREFIX ready
#   bash tests/wine/run.sh --stop                  ends the prefix's Wine
#
# WINEPREFIX names the prefix; the build keeps its own, so that nothing of a
# user's Wine is touched. A program run on a desktop of its own (the
# window tests, under tests/display/with-desktop.sh) ends its Wine with it,
# so that the next one meets a Wine started on its own display.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX names the Wine prefix to run in}"
export WINEPREFIX
# Debian installs the 64-bit loader and server here (its package "wine"
# only adds wrappers around them).
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
[ -x "$wine" ] || { echo "run.sh: $wine not found (Debian: wine64)" >&2; exit 2; }
# Wine's own chatter off; no prompt to install Mono or Gecko, which nothing
# here uses and which a fresh prefix would otherwise wait on; no menu entries
# or file associations written into the user's desktop.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

case "${1:-}" in
--init)
    mkdir -p "$(dirname "$WINEPREFIX")"
    "$wine" wineboot --init
    # wineboot returns before its services have settled; waiting for the
    # server to end leaves a prefix that the next start finds whole.
    "$wineserver" -w
    exit 0
    ;;
--stop)
    timeout 60 "$wineserver" -w || "$wineserver" -k || true
    exit 0
    ;;
esac

# Windows' display scale is a resolution of the whole session (120 dpi for
# 125 %, 144 for 150 %), which Wine keeps in the prefix's registry; Qt scales
# its windows by it. It stays set for the prefix's later programs.
if [ "${1:-}" = --dpi ]; then
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$2" /f >/dev/null ||
        { echo "run.sh: could not set the prefix's resolution to $2 dpi" >&2; exit 2; }
    shift 2
fi

# The X11 platform of the Linux build is Qt's windows platform here.
[ "${QT_QPA_PLATFORM:-}" = xcb ] && export QT_QPA_PLATFORM=windows
# Wine hands no QT_ variable of Linux to a Windows program (it would mislead
# the Qt in it), only the same name after WINE: without this, the tests'
# offscreen platform never reached them, and they drew on the windows
# platform with no screen, which waits for ever.
for name in $(compgen -e); do
    [[ $name == QT_* ]] && export "WINE$name=${!name}"
done
# QtTest writes to the Windows debugger, not to stdout, when no console
# window is attached, and under Wine none is.
export WINEQT_FORCE_STDERR_LOGGING=1
status=0
"$wine" "$@" || status=$?
if [ -n "${DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" = windows ]; then
    "$wineserver" -k || true
fi
exit "$status"
