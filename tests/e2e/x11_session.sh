# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# Shared by the end-to-end tests: an X server of their own and a few helpers to find
# and read the program's windows from outside. Source it; it cleans up on exit.

e2e_skip() { echo "SKIPPED: $*"; exit 77; }

for tool in Xvfb xdotool import compare xprop; do
    command -v "$tool" >/dev/null || e2e_skip "$tool is not installed"
done

source "$(dirname "${BASH_SOURCE[0]}")/desktop_session.sh"

E2E_TMP=$(mktemp -d)
E2E_PIDS=()
e2e_cleanup() {
    for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

# Starts Xvfb on a free display and exports DISPLAY, then the desktop of
# TAPPON_E2E_DESKTOP; a Wayland compositor brings its own X server instead.
e2e_start_x() {
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
    case $E2E_DESKTOP in mutter|kwin) desktop_start; return ;; esac
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN}x24" -nolisten tcp -noreset >"$E2E_TMP/xvfb.log" 2>&1 3>"$E2E_TMP/display" &
    E2E_PIDS+=($!)
    for _ in $(seq 100); do
        [ -s "$E2E_TMP/display" ] && break
        sleep 0.05
    done
    [ -s "$E2E_TMP/display" ] || e2e_skip "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
    export DISPLAY=":$(head -n1 "$E2E_TMP/display")"
    desktop_start
}

# Prints the ids of the program's mapped windows.
e2e_windows() { xdotool search --onlyvisible --pid "$1" 2>/dev/null || true; }

# Waits up to $2 seconds for a mapped window of pid $1 whose name matches the regex $3.
e2e_wait_window() {
    local pid=$1 seconds=$2 pattern=$3 deadline
    deadline=$(( $(date +%s%N) + seconds * 1000000000 ))
    while [ "$(date +%s%N)" -lt "$deadline" ]; do
        for wid in $(e2e_windows "$pid"); do
            if xdotool getwindowname "$wid" 2>/dev/null | grep -qE "$pattern"; then
                echo "$wid"
                return 0
            fi
        done
        sleep 0.05
    done
    return 1
}

# Sets X, Y, WIDTH and HEIGHT to the client area of window $1 on the screen. (xdotool's
# getwindowgeometry counts a window manager's frame twice in the position.)
e2e_geometry() {
    eval "$(xwininfo -id "$1" | awk -F: '
        /Absolute upper-left X/ { print "X=" $2 } /Absolute upper-left Y/ { print "Y=" $2 }
        /Width/ { print "WIDTH=" $2 } /Height/ { print "HEIGHT=" $2 }' | tr -d ' ')"
}

# The window's title as the X server holds it (_NET_WM_NAME, else WM_NAME).
e2e_title() {
    local value
    value=$(xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -n 's/^[^=]*= "\(.*\)"$/\1/p')
    [ -n "$value" ] || value=$(xprop -id "$1" WM_NAME 2>/dev/null | sed -n 's/^[^=]*= "\(.*\)"$/\1/p')
    echo "$value"
}

# Fails the test with a message.
e2e_fail() { echo "FAILED: $*"; exit 1; }
