#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# The real program under its own X server, played from outside: the splash window
# first, the main window two seconds later with a title that types itself out, a short
# game whose letters fall and whose verdict appears, and the exit item of the menu. (The
# help window's frame and slide are window_frames_test's and atspi_windows_test's.)
set -euo pipefail
program=$(realpath "$1")
source "$(dirname "$0")/x11_session.sh"
source "$(dirname "$0")/game_session.sh"
e2e_start_x

started=$(date +%s%N)
"$program" >"$E2E_TMP/program.log" 2>&1 &
pid=$!
E2E_PIDS+=("$pid")

# The splash: a window with an empty title, and the only window until the main one.
splash=$(e2e_wait_window "$pid" 5 '^$') || e2e_fail "no splash window"
for wid in $(e2e_windows "$pid"); do
    [ "$wid" = "$splash" ] || e2e_fail "another window beside the splash: '$(e2e_title "$wid")'"
done

# The main window, about 2 s after start, while the splash goes away.
main=$(e2e_wait_window "$pid" 6 '^Tapp') || e2e_fail "no main window"
opened_ms=$(( ($(date +%s%N) - started) / 1000000 ))
echo "main window titled after ${opened_ms} ms"
[ "$opened_ms" -ge 1800 ] || e2e_fail "the main window came too early (${opened_ms} ms)"
sleep 0.3
for wid in $(e2e_windows "$pid"); do
    [ "$wid" = "$main" ] || e2e_fail "another window is still mapped: $(e2e_title "$wid")"
done

# The title grows one character every 300 ms: over a whole round of the banner, both
# title properties (the one window managers read today and the older one) hold the same
# leading part of the text: all of it once, and nothing at all once.
banner="Tappon  http://tappon.example.com/"
seen_full=0 seen_empty=0
deadline=$(( $(date +%s%N) + 14000000000 ))
while [ "$(date +%s%N)" -lt "$deadline" ] && [ $(( seen_full * seen_empty )) -eq 0 ]; do
    agreed=0
    for _ in 1 2 3; do  # a tick may fall between the two reads
        props=$(xprop -id "$main" _NET_WM_NAME WM_NAME)
        net=$(sed -n 's/^_NET_WM_NAME([^)]*) = "\(.*\)"$/\1/p' <<<"$props")
        old=$(sed -n 's/^WM_NAME([^)]*) = "\(.*\)"$/\1/p' <<<"$props")
        [ "$net" = "$old" ] && { agreed=1; break; }
    done
    [ "$agreed" -eq 1 ] || e2e_fail "the title properties disagree: '$net' and '$old'"
    case "$banner" in "$net"*) ;; *) e2e_fail "the title '$net' is not the start of '$banner'" ;; esac
    [ "$net" = "$banner" ] && seen_full=1
    if [ -z "$net" ]; then
        [ "$(grep -c "not found" <<<"$props")" -eq 2 ] || e2e_fail "an empty title left a property behind: $props"
        seen_empty=1
    fi
    sleep 0.1
done
[ "$seen_full" -eq 1 ] || e2e_fail "the banner never showed its whole text"
[ "$seen_empty" -eq 1 ] || e2e_fail "the banner never went blank"

# Geometry: the client area is 461 x 335 below the menu bar.
GAME_PID=$pid GAME_MAIN=$main
e2e_geometry "$main"
GAME_X=$X GAME_Y=$Y GAME_MENU=$(( HEIGHT - 335 ))
[ "$WIDTH" -eq 461 ] || e2e_fail "main window is $WIDTH wide"
[ "$GAME_MENU" -gt 10 ] && [ "$GAME_MENU" -lt 40 ] || e2e_fail "odd menu bar height $GAME_MENU"

# A game of 0.1 minutes. Pictures are taken of the window itself: a compositor's
# rootless XWayland has none of its root window.
game_start "0.1"
field="321x329+5+$(( GAME_MENU + 4 ))"
sleep 0.5
import -window "$main" -crop "$field" "$E2E_TMP/a.png"
sleep 0.4
import -window "$main" -crop "$field" "$E2E_TMP/b.png"
changed=$(compare -metric AE "$E2E_TMP/a.png" "$E2E_TMP/b.png" null: 2>&1 || true)
echo "pixels changed in the field: $changed"
[ "${changed%% *}" -gt 50 ] || e2e_fail "the letters do not move"

# No hits against a target of 3: the poorest verdict, about six seconds after the start.
verdict=$(game_wait_verdict 9) || e2e_fail "no verdict message box"
echo "verdict: $(e2e_title "$verdict")"
[[ "$(e2e_title "$verdict")" == Harder* ]] || e2e_fail "not the poorest verdict"
game_close_verdict "$verdict" || e2e_fail "the verdict did not close"
kill -0 "$pid" || e2e_fail "the program ended after the verdict"

# The exit item ends the program with status 0.
game_exit_via_menu || e2e_fail "the exit item did not end the program"
[ "$GAME_STATUS" -eq 0 ] || e2e_fail "the program exited with $GAME_STATUS"
echo "PASSED"
