#!/usr/bin/env bash
# Pinwright started where it cannot show a window: with no display at all, with DISPLAY naming
# an X server that is not there, and with WAYLAND_DISPLAY naming a compositor that is not there.
# Each time it must print the one line that says so and end with status 1, not abort. Started
# on the offscreen platform it must keep running as before.
# Usage: no_display.sh path/to/pinwright
set -uo pipefail
app=$1
expected='Pinwright 无法启动：找不到可用的显示。请在图形桌面中运行，或设置 DISPLAY（X11）或 WAYLAND_DISPLAY（Wayland）。'

state=$(mktemp -d)
chmod 700 "$state"
trap 'rm -rf "$state"' EXIT
failed=0

# An X display number with neither a server nor a lock, and a TCP port nobody listens on.
dead=
for _ in $(seq 200); do
    n=$((500 + RANDOM % 4000))
    if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]] \
        && ! (exec 3<>"/dev/tcp/127.0.0.1/$((6000 + n))") 2>/dev/null; then
        dead=$n
        break
    fi
done
[[ -n $dead ]] || { echo "FAIL: no unused display number found"; exit 1; }

expect_no_display() {
    local name=$1
    shift
    # No core file whatever the limit, so that a regression shows as status 134, not as a dump.
    local output status
    output=$(ulimit -c 0; env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        XDG_RUNTIME_DIR="$state" "$@" "$app" 2>&1 </dev/null)
    status=$?
    if [[ $status -ne 1 || $output != "$expected" ]]; then
        echo "FAIL: $name: status $status, output:"
        printf '%s\n' "$output" | sed 's/^/    /'
        failed=1
    else
        echo "ok: $name"
    fi
}

expect_no_display "no DISPLAY, no WAYLAND_DISPLAY"
expect_no_display "DISPLAY=:$dead, no server" DISPLAY=":$dead"
expect_no_display "DISPLAY=127.0.0.1:$dead, nobody listening" DISPLAY="127.0.0.1:$dead"
expect_no_display "QT_QPA_PLATFORM=xcb, no DISPLAY" QT_QPA_PLATFORM=xcb
expect_no_display "QT_QPA_PLATFORM=wayland, no compositor" QT_QPA_PLATFORM=wayland \
    WAYLAND_DISPLAY="pinwright-nothing-$$"

# The offscreen platform needs no display: the program runs until it is ended.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$state" \
    "$app" >"$state/offscreen.log" 2>&1 </dev/null &
pid=$!
sleep 2
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    wait "$pid" 2>/dev/null
    echo "ok: QT_QPA_PLATFORM=offscreen runs"
else
    wait "$pid"
    echo "FAIL: QT_QPA_PLATFORM=offscreen ended with status $?:"
    sed 's/^/    /' "$state/offscreen.log"
    failed=1
fi
exit $failed
