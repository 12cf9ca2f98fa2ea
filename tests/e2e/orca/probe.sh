#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# Plays the program with the keyboard alone, as a player who cannot see the screen
# would, with Orca running, and prints what Orca said after every step: both what reached
# speech-dispatcher and what Orca's debug file says it spoke. Not a test: it checks
# nothing, it shows what there is to hear.
#   tests/e2e/orca/probe.sh build/tappon
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$0")/..
source "$here/x11_session.sh"
source "$here/orca/orca_session.sh"

orca_start
echo "Orca started; it said:"
sed 's/^/    /' "$ORCA_SPOKEN"

mark=$(orca_mark)
debug_mark=$(orca_debug_mark)
# step TITLE: prints what was spoken since the last step.
step() {
    orca_wait_quiet "${QUIET:-1}" 10
    echo "== $1"
    orca_spoken_since "$mark" | sed 's/^/    spoken: /'
    orca_debug_spoken "$debug_mark" | sed 's/^/    debug:  /'
    mark=$(orca_mark)
    debug_mark=$(orca_debug_mark)
}

orca_start_program "$program"
wid=$(e2e_wait_window "$PROGRAM_PID" 20 '^Tappon') || e2e_fail "no main window within 20 s"
xdotool windowfocus --sync "$wid" 2>/dev/null || true
step "the main window appears ($(e2e_title "$wid"))"

for i in 1 2 3 4 5 6 7 8; do
    orca_keys "$wid" Tab
    step "Tab ($i)"
done
for i in 1 2 3; do
    orca_keys "$wid" shift+Tab
    step "Shift+Tab ($i)"
done

orca_keys "$wid" F1
sleep 1
step "F1 (windows now: $(for w in $(e2e_windows "$PROGRAM_PID"); do printf '[%s] ' "$(e2e_title "$w")"; done))"
orca_keys "$(xdotool getwindowfocus)" Tab
step "Tab in the focused window"
orca_keys "$(xdotool getwindowfocus)" Escape
step "Escape"

orca_keys "$wid" F2
QUIET=1.5 step "F2 (a game starts)"
for key in a s d f j k l; do
    orca_keys "$wid" "$key"
    step "typed $key"
done
orca_keys "$wid" ctrl+p
step "Ctrl+P (pause)"
orca_keys "$wid" Tab
step "Tab while paused"
orca_keys "$wid" ctrl+p
step "Ctrl+P again"
sleep 3
step "3 s later"
