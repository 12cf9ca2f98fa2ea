#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# The real program's windows as the desktop of TAPPON_E2E_DESKTOP frames them (none, a
# bare X server, by default): the windows without a title bar have a fixed dialog frame
# of their own; the about window belongs to the main window and comes up above it when
# the main window is activated; on a screen smaller than the main window its title bar
# and menu bar stay on the screen. (Centring, the actions a window manager offers, the
# focus coming back and minimising a modal window are atspi_windows_test's.)
set -euo pipefail
program=$(realpath "$1")
source "$(dirname "$0")/x11_session.sh"
case $E2E_DESKTOP in mutter|kwin) e2e_skip "a compositor's screen is its own size" ;; esac

# The outer rectangle of a window, frame included: "x y width height".
outer() {
    local l=0 r=0 t=0 b=0 extents
    e2e_geometry "$1"
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
    [ -n "$extents" ] && IFS=, read -r l r t b <<<"$extents"
    echo "$((X - l)) $((Y - t)) $((WIDTH + l + r)) $((HEIGHT + t + b))"
}

# A window without a title bar in a fixed dialog frame of its own: its size ($3) is its
# client area's and 3 pixels of frame around it, and the frame is not the black inside.
expect_dialog_frame() {
    local x y w h edge
    read -r x y w h <<<"$(outer "$1")"
    [ "$w $h" = "$3" ] || e2e_fail "$2 is $w x $h, not $3 with its frame ($E2E_DESKTOP)"
    import -window "$1" "$E2E_TMP/frame.png"
    edge=$(convert "$E2E_TMP/frame.png" -format '%[pixel:p{1,50}]' info:)
    case "$edge" in *"(0,0,0)"|black) e2e_fail "$2 has no frame drawn: $edge ($E2E_DESKTOP)" ;; esac
}

# Prints the program's mapped window other than the main one; fails when there is none.
other_window() {
    for wid in $(e2e_windows "$pid"); do [ "$wid" = "$main" ] || { echo "$wid"; return 0; }; done
    return 1
}
wait_other_window() { for _ in $(seq 60); do other_window && return 0; sleep 0.05; done; return 1; }
wait_only_main() {
    for _ in $(seq 80); do other_window >/dev/null || return 0; sleep 0.05; done
    e2e_fail "$1 did not close ($E2E_DESKTOP)"
}

# One run of the program on a screen of the size given, on its own X server.
session() {
    local screen=$1 pids_before=${#E2E_PIDS[@]} about help x y w h
    rm -f "$E2E_TMP/display"
    Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset >"$E2E_TMP/xvfb.log" 2>&1 3>"$E2E_TMP/display" &
    E2E_PIDS+=($!)
    for _ in $(seq 100); do [ -s "$E2E_TMP/display" ] && break; sleep 0.05; done
    [ -s "$E2E_TMP/display" ] || e2e_skip "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
    export DISPLAY=":$(head -n1 "$E2E_TMP/display")"
    desktop_start
    xdotool mousemove 1 1  # keys must not reach a window just because the pointer is on it
    "$program" >"$E2E_TMP/program.log" 2>&1 &
    pid=$!
    E2E_PIDS+=("$pid")
    if [ "$screen" = 1024x768 ]; then
        local splash
        splash=$(e2e_wait_window "$pid" 5 '^$') || e2e_fail "no splash window ($E2E_DESKTOP)"
        expect_dialog_frame "$splash" "the splash window" "320 218"
    fi
    main=$(e2e_wait_window "$pid" 8 '^Tapp') || e2e_fail "no main window ($E2E_DESKTOP)"
    sleep 0.5
    read -r x y w h <<<"$(outer "$main")"
    echo "$E2E_DESKTOP on $screen: main window at $x $y $w $h"

    if [ "$screen" = 1024x768 ]; then
        # The about window belongs to the main window; Esc closes it.
        xdotool windowfocus --sync "$main" key --clearmodifiers alt+h
        sleep 0.3
        xdotool key a
        about=$(wait_other_window) || e2e_fail "no about window ($E2E_DESKTOP)"
        sleep 0.3
        if [ "$E2E_DESKTOP" != none ]; then
            xprop -id "$about" WM_TRANSIENT_FOR | grep -q "$(printf '0x%x' "$main")" \
                || e2e_fail "the about window does not belong to the main window ($E2E_DESKTOP)"
            # Activating the blocked main window brings the modal window up above it.
            xdotool windowactivate "$main" 2>/dev/null || true
            sleep 0.3
            stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*#//' | tr -d ' ' | tr , '\n')
            [ "$(grep -nx "$(printf '0x%x' "$about")" <<<"$stacking" | cut -d: -f1)" -gt \
              "$(grep -nx "$(printf '0x%x' "$main")" <<<"$stacking" | cut -d: -f1)" ] \
                || e2e_fail "the about window is below the main window after activating it ($E2E_DESKTOP)"
        fi
        xdotool windowfocus --sync "$about" key Escape
        wait_only_main "the about window"

        # The help window, F1 in and Esc out, in its frame and not empty inside it.
        xdotool key F1
        help=$(wait_other_window) || e2e_fail "no help window ($E2E_DESKTOP)"
        sleep 1.2
        expect_dialog_frame "$help" "the help window" "415 322"
        [ "$(convert "$E2E_TMP/frame.png" -format '%k' info:)" -gt 20 ] || e2e_fail "the help window looks empty"
        xdotool windowfocus --sync "$help" key Escape
        wait_only_main "the help window"
    else
        # Smaller than the window: the title bar and the menu bar stay reachable.
        [ "$x" -ge 0 ] && [ "$y" -ge 0 ] || e2e_fail "the main window starts at $x,$y, off a $screen screen ($E2E_DESKTOP)"
    fi

    # This run's program, desktop and X server go, newest first.
    for (( i=${#E2E_PIDS[@]} - 1; i >= pids_before; i-- )); do
        kill "${E2E_PIDS[$i]}" 2>/dev/null || true
        wait "${E2E_PIDS[$i]}" 2>/dev/null || true
    done
    E2E_PIDS=("${E2E_PIDS[@]:0:$pids_before}")
}

session 1024x768
session 320x240
echo PASSED
