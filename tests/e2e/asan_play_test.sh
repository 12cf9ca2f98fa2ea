#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# A minute of real play under AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer: a one-minute game with typing, the help window opened and closed,
# the about window opened and closed, the verdict, and the exit item. No sanitizer
# report, and exit status 0.
# The program under test is the given one when it is a sanitizer build, else the one
# in ../build-asan beside its build folder (make test builds it); none: skipped.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
given=$(realpath "$1")
program=
if ldd "$given" 2>/dev/null | grep -q libasan; then
    program=$given
elif [ -x "$(dirname "$given")/../build-asan/tappon" ] && [ ! "$given" -nt "$(dirname "$given")/../build-asan/tappon" ]; then
    # Only a sanitizer build at least as new as the program: not one left from before.
    program=$(realpath "$(dirname "$given")/../build-asan/tappon")
fi
source "$here/x11_session.sh"
source "$here/game_session.sh"
[ -n "$program" ] || e2e_skip "no sanitizer build of the program (build-asan/tappon)"
ldd "$program" | grep -q libasan || e2e_skip "$program is not built with AddressSanitizer"
echo "program: $program"

export ASAN_OPTIONS=detect_leaks=1:exitcode=23:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Leaks inside third-party libraries only, never in our code; see the file.
export LSAN_OPTIONS=suppressions=$here/lsan.supp:print_suppressions=1
log=$E2E_TMP/program.log

e2e_start_x
GAME_START_SECONDS=30 game_launch "$program" "$log" || e2e_fail "no main window: $(tail -n 30 "$log")"
game_start "1"
started_ns=$(date +%s%N)
elapsed_s() { echo $(( ($(date +%s%N) - started_ns) / 1000000000 )); }
type_for() {  # random letters and digits for about $1 seconds
    local until=$(( $(elapsed_s) + $1 ))
    while [ "$(elapsed_s)" -lt "$until" ]; do
        xdotool type --delay 25 "$(tr -dc 'a-z0-9' </dev/urandom | head -c 40)"
    done
}

type_for 10

# The help window: F1 drops it in, Esc slides it out.
xdotool windowfocus --sync "$GAME_MAIN"
xdotool key F1
help=$(e2e_wait_window "$GAME_PID" 10 '^$') || e2e_fail "F1 opened no help window"
sleep 1.5
xdotool key Escape
game_wait_gone "$help" 5 || e2e_fail "Esc did not close the help window"

xdotool windowfocus --sync "$GAME_MAIN"
type_for 10

# The about window from the help menu; its OK button is the default button.
about=$(game_open_about 10) || e2e_fail "the menu opened no about window"
sleep 2  # a few turns of its logo animation
xdotool windowfocus --sync "$about"
xdotool key Return
game_wait_gone "$about" 5 || e2e_fail "the about window did not close"

xdotool windowfocus --sync "$GAME_MAIN"
type_for $(( 50 - $(elapsed_s) ))

verdict=$(game_wait_verdict 20) || e2e_fail "no verdict: $(tail -n 30 "$log")"
echo "verdict: $(e2e_title "$verdict") after $(elapsed_s) s"
game_close_verdict "$verdict" || e2e_fail "the verdict did not close"
game_exit_via_menu || e2e_fail "the exit item did not end the program"
echo "exit status $GAME_STATUS"
if grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: ' "$log"; then
    grep -E -A 30 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$log" | head -n 80
    e2e_fail "a sanitizer report"
fi
grep -A 20 'Suppressions used' "$log" || true
[ "$GAME_STATUS" = 0 ] || { tail -n 30 "$log"; e2e_fail "exit status $GAME_STATUS"; }
echo "PASSED"
