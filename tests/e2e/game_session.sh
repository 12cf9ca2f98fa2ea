# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# shellcheck shell=bash
# Shared by the end-to-end tests that play a game from outside: start the program, wait
# for its main window, start a game, type, wait for the verdict, leave through the menu.
# Source it after x11_session.sh and e2e_start_x. GAME_PID is the running program,
# GAME_MAIN its main window, GAME_X/GAME_Y/GAME_MENU where its client area lies.

# Starts the program ($1) with its output in $2 and waits for the main window.
game_launch() {
    local program=$1 log=$2
    "$program" >"$log" 2>&1 &
    GAME_PID=$!
    E2E_PIDS+=("$GAME_PID")
    GAME_MAIN=$(e2e_wait_window "$GAME_PID" "${GAME_START_SECONDS:-8}" '^Tapp') || return 1
    e2e_geometry "$GAME_MAIN"
    GAME_X=$X GAME_Y=$Y GAME_MENU=$(( HEIGHT - 335 ))
}

# Types the minutes ($1) into the time box and presses Enter.
game_start() {
    xdotool windowfocus --sync "$GAME_MAIN"
    xdotool mousemove "$(( GAME_X + 422 ))" "$(( GAME_Y + GAME_MENU + 184 ))" click 1
    xdotool type --delay 30 "$1"
    xdotool key Return
}

# The playing field on the screen, as an ImageMagick crop geometry.
game_field() { echo "321x329+$(( GAME_X + 5 ))+$(( GAME_Y + GAME_MENU + 4 ))"; }

# Succeeds when the title banner is still typing itself out: the title changes within $1 s.
game_title_moves() {
    local first deadline
    first=$(e2e_title "$GAME_MAIN")
    deadline=$(( $(date +%s%N) + ${1:-2} * 1000000000 ))
    while [ "$(date +%s%N)" -lt "$deadline" ]; do
        sleep 0.1
        [ "$(e2e_title "$GAME_MAIN")" != "$first" ] && return 0
    done
    return 1
}

# Waits up to $1 s for the verdict box and prints its window id.
game_wait_verdict() { e2e_wait_window "$GAME_PID" "$1" 'Harder|Come on|Very good'; }

# Waits up to $2 s (3 unless given) for the program's window $1 to go; 1 if it stays.
game_wait_gone() {
    for _ in $(seq $(( ${2:-3} * 20 ))); do e2e_windows "$GAME_PID" | grep -qx "$1" || return 0; sleep 0.05; done
    return 1
}

# Closes the verdict box ($1) with Enter and checks that it went away.
game_close_verdict() {
    xdotool windowfocus --sync "$1"
    xdotool key Return
    game_wait_gone "$1"
}

# Opens the about window from the help menu (Alt+H, A) and prints its id; 1 if none
# comes within $1 s (8 unless given).
game_open_about() {
    xdotool windowfocus --sync "$GAME_MAIN"
    xdotool key alt+h
    sleep 0.3
    xdotool key a
    e2e_wait_window "$GAME_PID" "${1:-8}" '关于'
}

# Chooses the exit item (Alt+S, X) and sets GAME_STATUS to the program's exit status;
# fails when it is still running 5 s later. (Not in a subshell: it waits for the program.)
game_exit_via_menu() {
    xdotool windowfocus --sync "$GAME_MAIN"
    xdotool key alt+s
    sleep 0.3
    xdotool key x
    for _ in $(seq 50); do kill -0 "$GAME_PID" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$GAME_PID" 2>/dev/null && return 1
    GAME_STATUS=0
    wait "$GAME_PID" || GAME_STATUS=$?
}

# Resident memory of the program in kB.
game_rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$GAME_PID/status"; }
