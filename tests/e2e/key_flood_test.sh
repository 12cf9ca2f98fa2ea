#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# A key flood: about 1000 keys a second for 30 s into a one-minute game. The program
# stays responsive, its memory does not grow, and the game clock still ends the game
# 60 s after its start (the verdict appears within 300 ms of it, timed from outside).
# Where the program writes its event trace (TAPPON_TRACE), the letters' 50 ms ticks
# during the flood are checked as well.
set -uo pipefail
program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11_session.sh"
source "$here/game_session.sh"
python=/usr/bin/python3
[ -x "$python" ] || e2e_skip "no $python"
"$python" -c 'import ctypes; ctypes.CDLL("libXtst.so.6")' 2>/dev/null || e2e_skip "no libXtst"
rate=${TAPPON_FLOOD_RATE:-1000}
flood_seconds=30

e2e_start_x
export TAPPON_TRACE=$E2E_TMP/trace.log
game_launch "$program" "$E2E_TMP/program.log" || e2e_fail "no main window"

game_start "1"
started_ns=$(date +%s%N)   # Enter has been pressed: the game's first second runs from here
sleep 1
rss_before=$(game_rss_kb)

flood_from_ns=$(date +%s%N)
"$python" "$here/xtest_keys.py" "$rate" "$flood_seconds" >"$E2E_TMP/flood.txt" &
flooder=$!
sleep 10
rss_early=$(game_rss_kb)
game_title_moves 2 || e2e_fail "the title banner stood still during the flood"
wait "$flooder" || e2e_fail "the key sender failed: $(cat "$E2E_TMP/flood.txt")"
flood_to_ns=$(date +%s%N)
echo "flood: $(cat "$E2E_TMP/flood.txt")"
kill -0 "$GAME_PID" 2>/dev/null || e2e_fail "the program ended during the flood: $(tail -n 5 "$E2E_TMP/program.log")"
rss_after=$(game_rss_kb)
echo "resident memory: ${rss_before} kB before, ${rss_early} kB after 10 s, ${rss_after} kB after ${flood_seconds} s"
game_title_moves 2 || e2e_fail "the title banner stands still after the flood"

sent=$(sed -n 's/^sent \([0-9]*\) keys.*/\1/p' "$E2E_TMP/flood.txt")
[ "${sent:-0}" -ge $(( rate * flood_seconds * 8 / 10 )) ] || e2e_fail "only ${sent:-0} keys were sent"
# The first seconds fill caches and pools; from then on the flood must not add anything.
[ $(( rss_after - rss_early )) -lt 2048 ] || e2e_fail "memory grew by $(( rss_after - rss_early )) kB during the flood"
[ $(( rss_after - rss_before )) -lt 5120 ] || e2e_fail "memory grew by $(( rss_after - rss_before )) kB"

# The verdict, timed from the outside: 60 s after Enter, within 300 ms.
verdict=""
deadline=$(( started_ns + 62000000000 ))
while [ -z "$verdict" ] && [ "$(date +%s%N)" -lt "$deadline" ]; do
    for wid in $(e2e_windows "$GAME_PID"); do
        xdotool getwindowname "$wid" 2>/dev/null | grep -qE 'Harder|Come on|Very good' && verdict=$wid
    done
    [ -n "$verdict" ] || sleep 0.02
done
seen_ns=$(date +%s%N)
[ -n "$verdict" ] || e2e_fail "no verdict 62 s after the start"
offset_ms=$(( (seen_ns - started_ns) / 1000000 - 60000 ))
echo "verdict '$(e2e_title "$verdict")' seen ${offset_ms} ms after the 60 s mark"
{ [ "$offset_ms" -ge -300 ] && [ "$offset_ms" -le 300 ]; } || e2e_fail "the verdict came ${offset_ms} ms off the 60 s mark"

# The letters' rhythm during the flood, from the program's own trace if it writes one.
if grep -q ' tick .*Timer1' "$TAPPON_TRACE" 2>/dev/null; then
    "$python" - "$TAPPON_TRACE" "$flood_from_ns" "$flood_to_ns" "$sent" <<'PY' || e2e_fail "the letters lost their 50 ms rhythm"
import sys, time
path, start, end, sent = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
# The trace is stamped with the monotonic clock, the test with the wall clock.
shift = time.clock_gettime_ns(time.CLOCK_REALTIME) - time.clock_gettime_ns(time.CLOCK_MONOTONIC)
ticks = [int(line.split()[0]) + shift for line in open(path, errors="replace")
         if " tick " in line and "Timer1" in line]
ticks = [t for t in ticks if start <= t <= end]
keys = sum(1 for line in open(path, errors="replace") if " key " in line)
print(f"keys the program received: {keys} of {sent}")
gaps = sorted((b - a) / 1e6 for a, b in zip(ticks, ticks[1:]))
expected = (end - start) / 50e6
p99 = gaps[int(len(gaps) * 0.99)]
print(f"Timer1 during the flood: {len(ticks)} ticks (expected {expected:.0f}), "
      f"gap median {gaps[len(gaps) // 2]:.1f} ms, p99 {p99:.1f} ms, max {gaps[-1]:.1f} ms")
sys.exit(0 if abs(len(ticks) - expected) <= 5 and p99 < 65 and keys >= sent * 0.95 else 1)
PY
else
    echo "no tick trace from the program: the rhythm is judged by the verdict's timing alone"
fi

game_close_verdict "$verdict" || e2e_fail "the verdict did not close"
game_exit_via_menu || e2e_fail "the exit item did not end the program"
[ "$GAME_STATUS" = 0 ] || e2e_fail "exit status $GAME_STATUS"
echo "PASSED"
