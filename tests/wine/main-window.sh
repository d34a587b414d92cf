# Sourced by the Wine tests that start kelvora.exe on a desktop of their own:
# main_window_shown PID waits up to a minute for the main window, named
# "Kelvora", to be on the screen, while the process PID (the one that started
# it) lives, if one is given.
main_window_shown() {
    local pid=${1:-} id
    for _ in $(seq 120); do
        for id in $(xwininfo -root -tree | awk '/"Kelvora"/ {print $1}'); do
            xwininfo -id "$id" | grep -q 'Map State: IsViewable' && return 0
        done
        [ -z "$pid" ] || kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.5
    done
    return 1
}
