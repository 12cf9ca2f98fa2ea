#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# The sound player on a real PulseAudio server with a null sink, its output recorded:
# each effect heard whole and in order, soon after it is asked for, a new effect cutting
# off the one playing; bad files, no server, and the server dying mid-effect are silent,
# and effects are heard again from a server started anew; no sample is left in the
# server's cache.
# Usage: sound_test.sh <path-to-tappon>   (sound_probe lies beside the program)
set -u

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
probe=$(dirname "$1")/sound_probe
checker=$source_dir/tests/sound/check_recording.py
sounds=$source_dir/assets/Sound
python=/usr/bin/python3

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

[ -x "$probe" ] || skip "no sound_probe beside $1"
for tool in pulseaudio parec pactl "$python"; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
for name in du.WAV Ding.WAV 2.WAV Gun.WAV; do
    [ -f "$sounds/$name" ] || fail "missing effect $sounds/$name"
done

work=$(mktemp -d)
source "$here/pulse_session.sh"
cleanup() {
    [ -n "$PULSE_PID" ] && kill "$PULSE_PID" 2>/dev/null && wait "$PULSE_PID" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A private server: its own runtime folder and home, so it touches no one else's.
pulse_private_home "$work"
unset DISPLAY
export QT_QPA_PLATFORM=offscreen

# The effect files' own rate, so that the server passes their samples on unchanged.
rate=$("$python" -c 'import sys, wave; print(wave.open(sys.argv[1]).getframerate())' "$sounds/du.WAV") || fail "du.WAV is not a WAV file"

start_server() { pulse_start "$work/pulseaudio.log" "$rate"; }
stop_server() { pulse_kill; }

# Runs the probe on a plan with a time limit; fails on a crash or a hang.
run_probe() {
    local plan=$1 what=$2
    timeout 20 "$probe" "$plan" >"$work/probe.out" 2>"$work/probe.err"
    local status=$?
    cat "$work/probe.out"
    [ $status -eq 124 ] && fail "$what: the probe hung"
    [ $status -ne 0 ] && { cat "$work/probe.err"; fail "$what: the probe exited with status $status"; }
    grep -q '^done' "$work/probe.out" || fail "$what: the probe did not finish its plan"
    # Every play() must return at once: it only hands the file to the player's thread.
    awk -v what="$what" '/^play/ && $4 > 150 { print "FAIL: " what ": play() took " $4 " ms"; bad = 1 } END { exit bad }' \
        "$work/probe.out" || exit 1
}

echo "== without any sound server"
printf '0 play %s\n100 play %s\n300 quit\n' "$sounds/du.WAV" "$sounds/Gun.WAV" >"$work/plan_none.txt"
run_probe "$work/plan_none.txt" "no server"

start_server || { cat "$work/pulseaudio.log"; skip "pulseaudio could not start"; }

echo "== effects recorded from the null sink"
"$python" -c 'import wave, math, sys
w = wave.open(sys.argv[1], "wb"); w.setnchannels(1); w.setsampwidth(2); w.setframerate(int(sys.argv[2]))
w.writeframes(b"".join(int(12000 * math.sin(2 * math.pi * 1000 * n / int(sys.argv[2]))).to_bytes(2, "little", signed=True)
                       for n in range(int(sys.argv[2]) // 10)))' "$work/mark.wav" "$rate"
passed=
for attempt in 1 2; do
    # A second attempt only: a loaded machine can delay one effect once; a fault shows in both.
    if "$python" "$checker" "$probe" "$work" test_null.monitor "$rate" "$work/mark.wav" \
        "$sounds/du.WAV" "$sounds/Ding.WAV" "$sounds/2.WAV" "$sounds/Gun.WAV"; then
        passed=1
        break
    fi
    echo "attempt $attempt failed"
done
[ -n "$passed" ] || fail "the recorded effects were not as asked"

echo "== missing, empty and corrupt files, then a good one"
: >"$work/empty.WAV"
head -c 3000 /dev/urandom >"$work/corrupt.WAV"
head -c 100 "$sounds/Ding.WAV" >"$work/truncated.WAV"
printf '0 play %s\n50 play %s\n100 play %s\n150 play %s\n200 play %s\n600 quit\n' \
    "$work/missing.WAV" "$work/empty.WAV" "$work/corrupt.WAV" "$work/truncated.WAV" "$sounds/du.WAV" >"$work/plan_bad.txt"
run_probe "$work/plan_bad.txt" "bad files"
# The server's sample cache outlives its clients: the player takes its samples out as it goes.
left=$(pactl list samples short 2>/dev/null | grep -c tappon- || true)
[ "$left" = 0 ] || fail "the probe left $left samples in the server's cache"

echo "== the server killed while effects play, then started again"
# An effect every 100 ms, each cutting off the last, so that one is playing at the kill;
# after the new server is up, two more that must be heard from it.
for ms in $(seq 0 100 2400); do echo "$ms play $sounds/Ding.WAV"; done >"$work/plan_kill.txt"
printf '5200 play %s
5600 play %s
6400 quit
' "$sounds/du.WAV" "$sounds/Gun.WAV" >>"$work/plan_kill.txt"
timeout 20 "$probe" "$work/plan_kill.txt" >"$work/kill.out" 2>"$work/kill.err" &
probe_pid=$!
sleep 1
stop_server
sleep 1
start_server || fail "pulseaudio could not start again"
# The monitor delivers real samples only a while after a recorder connects; the two
# effects come three seconds after this.
parec -d test_null.monitor --raw --format=s16le --channels=1 --rate="$rate" >"$work/after.raw" 2>/dev/null &
recorder_pid=$!
wait "$probe_pid"
status=$?
kill "$recorder_pid" 2>/dev/null
wait "$recorder_pid" 2>/dev/null
cat "$work/kill.out"
[ $status -eq 124 ] && fail "server killed: the probe hung"
grep -q '^done' "$work/kill.out" || { cat "$work/kill.err"; fail "server killed: the probe did not finish its plan (status $status)"; }
[ $status -ne 0 ] && { cat "$work/kill.err"; fail "server killed: the probe exited with status $status"; }
awk '/^play/ && $4 > 150 { print "FAIL: server killed: play() took " $4 " ms"; bad = 1 } END { exit bad }' \
    "$work/kill.out" || exit 1
"$python" - "$work/after.raw" <<'PY' || fail "server killed: nothing was heard from the new server"
import array, sys
samples = array.array("h", open(sys.argv[1], "rb").read())
loud = sum(1 for s in samples if abs(s) > 2000)
print("heard from the new server: %.0f ms above the noise floor" % (1000.0 * loud / 44100))
sys.exit(0 if loud > 0.05 * 44100 else 1)
PY

echo "PASS"
