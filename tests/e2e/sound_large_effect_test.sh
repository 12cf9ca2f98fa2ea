#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# The hit effects replaced, while the program runs, by valid WAV files of 16 MB each (one
# of 16-bit samples, one of 24-bit that must be converted), then a short game typed
# through: Timer1 keeps its 50 ms rhythm as they are first played, peak memory grows by
# far less than one such file, and the server's sample cache ends up holding both whole.
set -uo pipefail
program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11_session.sh"
source "$here/pulse_session.sh"
source "$here/game_session.sh"
for tool in pulseaudio pactl; do
    command -v "$tool" >/dev/null || e2e_skip "$tool is not installed"
done
[ -f "$(dirname "$program")/Sound/du.WAV" ] || e2e_fail "no Sound folder beside $program"
max_growth_kb=8192

e2e_start_x
pulse_private_home "$E2E_TMP"
trap 'pulse_kill; e2e_cleanup' EXIT
pulse_start "$E2E_TMP/pulseaudio.log" || e2e_skip "pulseaudio could not start: $(cat "$E2E_TMP/pulseaudio.log")"

# A 441 Hz tone, 16 000 000 bytes of samples: 90 s in 16-bit stereo, 60 s in 24-bit.
/usr/bin/python3 - "$E2E_TMP" <<'PY' || e2e_fail "could not write the large WAV files"
import math, sys, wave
for name, width in (("Ding.WAV", 2), ("2.WAV", 3)):
    period = b"".join(int(0.3 * (1 << (8 * width - 1)) * math.sin(2 * math.pi * n / 100)).to_bytes(width, "little", signed=True) * 2
                      for n in range(100))
    with wave.open(sys.argv[1] + "/" + name, "wb") as w:
        w.setnchannels(2); w.setsampwidth(width); w.setframerate(44100)
        w.writeframes(period * (16000000 // len(period)))
PY

hwm_kb() { awk '/^VmHWM:/ { print $2 }' "/proc/$GAME_PID/status"; }

# One game in a fresh copy of the program, the large files moved in once the splash has
# played its chime from the small one.
play_game() {
    local copy=$E2E_TMP/copy$1 before_kb after_kb verdict cached
    mkdir -p "$copy"
    cp "$program" "$copy/tappon"
    cp -r "$(dirname "$program")/Sound" "$copy/Sound"
    export TAPPON_TRACE=$copy/trace
    game_launch "$copy/tappon" "$copy/program.log" || e2e_fail "no main window"
    sleep 1
    before_kb=$(hwm_kb)
    cp "$E2E_TMP/Ding.WAV" "$E2E_TMP/2.WAV" "$copy/"
    mv "$copy/Ding.WAV" "$copy/2.WAV" "$copy/Sound/"
    game_start "0.1"
    sleep 0.3
    # Every lower-case letter, again and again: each pass hits the letters that play them.
    for _ in 1 2 3; do xdotool type --delay 50 abcdefghijklmnopqrstuvwxyz; done
    verdict=$(game_wait_verdict 9) || e2e_fail "no verdict: the game clock stopped"
    after_kb=$(hwm_kb)
    cached=$(pactl list samples short | awk '$2 ~ /^tappon-/')
    game_close_verdict "$verdict" || e2e_fail "the verdict did not close"
    game_exit_via_menu || e2e_fail "the exit item did not end the program"
    echo "peak memory: $before_kb kB before the large effects, $after_kb kB after the game"
    [ $((after_kb - before_kb)) -lt "$max_growth_kb" ] || e2e_fail "peak memory grew by $((after_kb - before_kb)) kB"
    # Both whole, the 24-bit samples in 16 bits, each after 10 ms of silence.
    for seconds in 90.713 60.477; do
        echo "$cached" | grep -qP "\ts16le 2ch 44100Hz\t$seconds$" || e2e_fail "no sample of $seconds s in the server's cache"
    done
    # The tick after each large effect's first play comes on time; the whole game's
    # figures are shown, not judged: on a loaded machine any tick can be late.
    /usr/bin/python3 - "$TAPPON_TRACE" "$max_late_ms" <<'PY'
import statistics, sys
events = [line.split(None, 2) for line in open(sys.argv[1])]
ticks = [int(e[0]) for e in events if e[1:] == ["tick", "frmtype.Timer1\n"]]
deviations = [(t - ticks[0]) / 1e6 - 50 * i for i, t in enumerate(ticks)]
worst = max(abs(d - statistics.median(deviations)) for d in deviations)
gaps = [(b - a) / 1e6 for a, b in zip(ticks, ticks[1:])]
print("Timer1: %d ticks, longest gap %.1f ms, worst deviation from the grid %.1f ms" % (len(ticks), max(gaps), worst))
late = []
for name in ("Ding.WAV", "2.WAV"):
    asked = next((int(e[0]) for e in events if e[1] == "sound" and e[2].strip().endswith("/" + name) and ticks[0] < int(e[0]) < ticks[-1]), None)
    if asked is None:
        sys.exit("FAILED: the game did not play %s" % name)
    after = next(i for i, t in enumerate(ticks) if t > asked)
    late.append(gaps[after - 1] - 50)
    print("%s first asked for: the next tick came %.1f ms late" % (name, late[-1]))
sys.exit(1 if max(late) > float(sys.argv[2]) else 0)
PY
}

max_late_ms=15
# A second attempt only: a loaded machine can delay a tick once; a fault shows in both.
play_game 1 || play_game 2 || e2e_fail "a tick after a large effect's first play came more than $max_late_ms ms late"
echo "PASSED"
