#!/usr/bin/env bash
# The installer as a user meets it, run silently under Wine in the prefix of
# the build's desktop tests, on the desktop that with-desktop.sh gives it:
#
#   bash tests/display/with-desktop.sh bash tests/wine/installer.sh SETUP.exe ZIP
#
# Run twice into a folder that holds a file of the user's, it must leave there
# what the zip holds, byte for byte, and its uninstaller, with both Start-menu
# entries and the entry of Settings > Apps naming that folder; kelvora.exe,
# started from its Start-menu entry, shows its main window. While it runs, the
# installer and the uninstaller refuse and change nothing. Installed into
# another folder, the first install goes; uninstalled, nothing it installed
# remains. The user's file stays throughout.
set -euo pipefail
setup=$1
zip=$2
here=$(cd "$(dirname "$0")" && pwd)
fail() {
    echo "installer.sh: $*" >&2
    exit 1
}
[ -f "$setup" ] || fail "no $setup (cmake --build: windows-packages)"
[ -f "$zip" ] || fail "no $zip (cmake --build: windows-packages)"
wineserver=/usr/lib/wine/wineserver64
# run.sh ends the prefix's Wine after a program of Qt's windows platform; these
# must leave the Kelvora started beside them running.
in_wine() { QT_QPA_PLATFORM='' bash "$here/run.sh" "$@"; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/installer.XXXXXX")
default='' other=''
finish() {
    "$wineserver" -k 2>/dev/null || true
    rm -rf "$scratch" ${default:+"$default"} ${other:+"$other"}
}
trap finish EXIT

unix_path() { in_wine winepath -u "$1" | tr -d '\r'; }
windows_variable() { in_wine cmd /c echo "%$1%" | tr -d '\r'; }
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelvora'
windows_default="$(windows_variable LOCALAPPDATA)\\Programs\\Kelvora"
windows_other='C:\Kelvora-khac'
default=$(unix_path "$windows_default")
other=$(unix_path "$windows_other")
menu=$(unix_path "$(windows_variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs")
links=("$menu/Kelvora.lnk" "$menu/Hướng dẫn sử dụng Kelvora.lnk")

# What a run that failed may have left.
in_wine reg delete "$key" /f >/dev/null 2>&1 || true
rm -rf "$default" "$other" "${links[@]}"
mkdir -p "$default"
echo "Ghi chú của người dùng" >"$default/ghi-chu.txt"

(cd "$scratch" && cmake -E tar xf "$zip")
packages=("$scratch"/kelvora-*-win64)
package=${packages[0]}
expected=$( (cd "$package" && find . -type f) | sort)

value() { # the value NAME of the uninstall entry
    in_wine reg query "$key" /v "$1" | tr -d '\r' | sed -nE "s/^ +$1 +REG_[A-Z]+ +//p"
}
# installed_in FOLDER WINDOWS_FOLDER [USER_FILE...]: it holds the install and
# those files alone, and the Start menu and Settings > Apps name it.
installed_in() {
    local folder=$1 windows_folder=$2 want held file
    shift 2
    want=$( (echo "$expected" && echo ./uninstall.exe && for file in "$@"; do echo "./$file"; done) |
        sort)
    held=$( (cd "$folder" 2>/dev/null && find . -type f) | sort)
    [ "$held" = "$want" ] ||
        fail "$windows_folder holds $(diff <(echo "$want") <(echo "$held") | grep '^[<>]' | tr '\n' ' ')(< missing, > not installed)"
    while read -r file; do
        cmp -s "$package/$file" "$folder/$file" || fail "$windows_folder\\${file#./} is not the zip's"
    done <<<"$expected"
    [ "$(value InstallLocation)" = "$windows_folder" ] ||
        fail "Settings > Apps names $(value InstallLocation), not $windows_folder"
    [ "$(value UninstallString)" = "\"$windows_folder\\uninstall.exe\"" ] ||
        fail "Settings > Apps uninstalls with $(value UninstallString)"
    grep -qsaF "$windows_folder\\kelvora.exe" "${links[0]}" ||
        fail "the Start menu has no Kelvora.lnk to $windows_folder\\kelvora.exe"
    grep -qsaF "$windows_folder\\huong-dan-su-dung.html" "${links[1]}" ||
        fail "the Start menu has no guide to $windows_folder\\huong-dan-su-dung.html"
}
# What the first folder holds but the user's file, or that the file has gone.
left_in_default() {
    [ -d "$default" ] || { echo "nothing, not even the user's file" && return; }
    (cd "$default" && find . -mindepth 1 | sort | tr '\n' ' ')
}
only_users_file() { [ "$(left_in_default)" = "./ghi-chu.txt " ]; }
succeeds() { # succeeds WHAT COMMAND...
    local what=$1 status=0
    shift
    in_wine "$@" || status=$?
    [ "$status" -eq 0 ] || fail "$what ended with status $status"
}
refuses() { # refuses WHAT COMMAND...
    local what=$1 status=0
    shift
    in_wine "$@" || status=$?
    [ "$status" -ne 0 ] || fail "$what went ahead while Kelvora was running"
}

succeeds "the installer" "$setup" /S
succeeds "the installer, run again," "$setup" /S
installed_in "$default" "$windows_default" ghi-chu.txt

in_wine start /unix "${links[0]}"
# shellcheck source=main-window.sh
source "$here/main-window.sh"
main_window_shown || fail "Kelvora, started from the Start menu, showed no main window within a minute"
refuses "the installer" "$setup" /S
# _?= keeps the uninstaller where it is, so that its status is the run's.
refuses "the uninstaller" "$default/uninstall.exe" /S "_?=$windows_default"
installed_in "$default" "$windows_default" ghi-chu.txt
"$wineserver" -k
"$wineserver" -w

succeeds "the installer, into $windows_other," "$setup" /S "/D=$windows_other"
only_users_file || fail "installing into $windows_other left $windows_default holding $(left_in_default)"
installed_in "$other" "$windows_other"

succeeds "the uninstaller" "$other/uninstall.exe" /S
# It runs from a copy of itself, which it starts and does not wait for: the
# prefix's Wine ends once that has.
timeout 120 "$wineserver" -w || fail "the uninstaller had not ended after two minutes"
[ ! -e "$other" ] || fail "$windows_other is still there: $(cd "$other" && find . | tr '\n' ' ')"
only_users_file || fail "uninstalling left $windows_default holding $(left_in_default)"
for link in "${links[@]}"; do
    [ ! -e "$link" ] || fail "the Start menu still holds $(basename "$link")"
done
! in_wine reg query "$key" >/dev/null 2>&1 || fail "Settings > Apps still lists Kelvora ($key)"
echo "$(basename "$setup") installed twice, ran, refused while Kelvora ran, moved, and uninstalled"
