#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# The real program's windows as a window manager frames them, and without one: the
# windows without a title bar have a fixed dialog frame of their own; the about window
# belongs to the main window and comes up above it when the main window is activated;
# on a screen smaller than the main window its title bar and menu bar stay on the
# screen. (Centring, the actions a window manager offers, the focus coming back and
# minimising a modal window are the desktop runs of atspi_windows_test's.)
set -euo pipefail
program=$(realpath "$1")
source "$(dirname "$0")/x11_session.sh"

# The outer rectangle of a window, frame included: "x y width height".
outer() {
    local x y w h l=0 r=0 t=0 b=0 extents
    # (xdotool counts a window manager's frame twice in a window's position.)
    eval "$(xwininfo -id "$1" | sed -n 's/^ *Absolute upper-left X: */x=/p;s/^ *Absolute upper-left Y: */y=/p;
                                       s/^ *Width: */w=/p;s/^ *Height: */h=/p')"
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
    [ -n "$extents" ] && IFS=, read -r l r t b <<<"$extents"
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# A window without a title bar in a fixed dialog frame of its own: its size ($3) is its
# client area's and 3 pixels of frame around it, and the frame is not the black inside.
expect_dialog_frame() {
    local wid=$1 what=$2 x y w h edge
    read -r x y w h <<<"$(outer "$wid")"
    [ "$w $h" = "$3" ] || e2e_fail "$what is $w x $h, not $3 with its frame ($desktop)"
    import -window "$wid" "$E2E_TMP/frame.png"
    edge=$(convert "$E2E_TMP/frame.png" -format '%[pixel:p{1,50}]' info:)
    case "$edge" in *"(0,0,0)"|black) e2e_fail "$what has no frame drawn: $edge ($desktop)" ;; esac
}

# Like e2e_start_x, on a screen of the size given.
start_x() {
    rm -f "$E2E_TMP/display"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset >"$E2E_TMP/xvfb.log" 2>&1 3>"$E2E_TMP/display" &
    E2E_PIDS+=($!)
    for _ in $(seq 100); do [ -s "$E2E_TMP/display" ] && break; sleep 0.05; done
    [ -s "$E2E_TMP/display" ] || e2e_skip "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
    export DISPLAY=":$(head -n1 "$E2E_TMP/display")"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}

other_window() {
    for wid in $(e2e_windows "$1"); do [ "$wid" = "$2" ] || { echo "$wid"; return 0; }; done
    return 1
}

wait_other_window() {
    for _ in $(seq 60); do other_window "$1" "$2" && return 0; sleep 0.05; done
    return 1
}

wait_only_main() {
    for _ in $(seq 80); do other_window "$1" "$2" >/dev/null || return 0; sleep 0.05; done
    e2e_fail "$3 did not close ($desktop)"
}

# One run of the program on a screen of size $2 under the desktop $1 (none or a window
# manager's command).
session() {
    desktop=$1
    local screen=$2 pids_before=${#E2E_PIDS[@]} pid main about
    start_x "$screen"
    if [ "$desktop" != none ]; then
        command -v "$desktop" >/dev/null || e2e_fail "$desktop is not installed"
        local desktop_options=()
        [ "$desktop" = xfwm4 ] && desktop_options=(--compositor=off)
        HOME="$E2E_TMP" XDG_CONFIG_HOME="$E2E_TMP/config" "$desktop" "${desktop_options[@]}" >"$E2E_TMP/$desktop.log" 2>&1 &
        E2E_PIDS+=($!)
        for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.05; done
        xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || e2e_fail "$desktop did not start"
        sleep 0.3
    fi
    xdotool mousemove 1 1  # keys must not reach a window just because the pointer is on it
    "$program" >"$E2E_TMP/program.log" 2>&1 &
    pid=$!
    E2E_PIDS+=("$pid")
    if [ "$screen" = 1024x768 ]; then
        local splash
        splash=$(e2e_wait_window "$pid" 5 '^$') || e2e_fail "no splash window ($desktop)"
        expect_dialog_frame "$splash" "the splash window" "320 218"
    fi
    main=$(e2e_wait_window "$pid" 8 '^Tapp') || e2e_fail "no main window ($desktop)"
    sleep 0.5
    local main_outer
    main_outer=$(outer "$main")
    echo "$desktop on $screen: main window at $main_outer"

    if [ "$screen" = 1024x768 ]; then
        # The about window belongs to the main window; Esc closes it.
        xdotool windowfocus --sync "$main" key --clearmodifiers alt+h
        sleep 0.3
        xdotool key a
        about=$(wait_other_window "$pid" "$main") || e2e_fail "no about window ($desktop)"
        sleep 0.3
        if [ "$desktop" != none ]; then
            xprop -id "$about" WM_TRANSIENT_FOR | grep -q "$(printf '0x%x' "$main")" \
                || e2e_fail "the about window does not belong to the main window ($desktop)"
            # Activating the blocked main window brings the modal window up above it.
            xdotool windowactivate "$main" 2>/dev/null || true
            sleep 0.3
            stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*#//' | tr -d ' ' | tr , '\n')
            [ "$(grep -nx "$(printf '0x%x' "$about")" <<<"$stacking" | cut -d: -f1)" -gt \
              "$(grep -nx "$(printf '0x%x' "$main")" <<<"$stacking" | cut -d: -f1)" ] \
                || e2e_fail "the about window is below the main window after activating it ($desktop)"
        fi
        xdotool windowfocus --sync "$about" key Escape
        wait_only_main "$pid" "$main" "the about window"

        # The help window: F1 slides it in, Esc out.
        xdotool key F1
        local help
        help=$(wait_other_window "$pid" "$main") || e2e_fail "no help window ($desktop)"
        sleep 1.2
        expect_dialog_frame "$help" "the help window" "415 322"
        xdotool windowfocus --sync "$help" key Escape
        wait_only_main "$pid" "$main" "the help window"
    else
        # Smaller than the window: the title bar and the menu bar stay reachable.
        local x y w h
        read -r x y w h <<<"$main_outer"
        [ "$x" -ge 0 ] && [ "$y" -ge 0 ] || e2e_fail "the main window starts at $x,$y, off a $screen screen ($desktop)"
    fi

    # This run's program, window manager and X server go, newest first.
    for (( i=${#E2E_PIDS[@]} - 1; i >= pids_before; i-- )); do
        kill "${E2E_PIDS[$i]}" 2>/dev/null || true
        wait "${E2E_PIDS[$i]}" 2>/dev/null || true
    done
    E2E_PIDS=("${E2E_PIDS[@]:0:$pids_before}")
}

for desktop in none openbox xfwm4; do
    session "$desktop" 1024x768
    session "$desktop" 320x240
done
echo PASSED
