#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# A short game played by keyboard alone with the real screen reader, Orca, listening; what
# it spoke is checked (orca/game_test.py) and printed.
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$0")
source "$here/x11_session.sh"
source "$here/orca/orca_session.sh"

orca_start
orca_start_program "$program"
wid=$(e2e_wait_window "$PROGRAM_PID" 20 '^Tappon') || e2e_fail "no main window within 20 s"
xdotool windowfocus --sync "$wid" 2>/dev/null || true
orca_wait_quiet 1 10
export ORCA_SPOKEN ORCA_DEBUG
status=0
timeout 120 /usr/bin/python3 -u "$here/orca/game_test.py" "$PROGRAM_PID" "$wid" || status=$?
if [ "$status" -ne 0 ]; then
    echo "--- program output ---"
    cat "$E2E_TMP/program.log" 2>/dev/null || true
    exit 1
fi
