# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""Plays sound files through sound_probe while recording the audio server's output, then
checks what was heard: every effect whole, in order, started soon after it was asked for,
and a second effect cutting off the first.

Usage: check_recording.py PROBE WORKDIR MONITOR RATE MARK EFFECT...

Clocks: parec delivers the monitor's samples in small blocks; each block's arrival time
(CLOCK_MONOTONIC, the clock the probe stamps its requests with) minus the time its samples
span is an upper bound of when the recording started. The smallest such bound over all
blocks places every sample on the probe's clock to within a few milliseconds, and it errs
late, so measured latencies are, if anything, too long. As a cross-check that needs no
such alignment, latencies are also given relative to the start mark, the first sound
played."""

import os
import statistics
import subprocess
import sys
import time
import wave
from array import array

FULL = 32768.0
LEVEL = 0.01          # audible: above -40 dBFS
MAX_LATENCY_MS = 50.0
WHOLE_SHARE = 0.90
CUT_WITHIN_MS = 30.0
PAIR_GAP_MS = 50


def read_wav_mono(path, rate):
    """The file's samples as floats, channels averaged, at `rate` (linear interpolation)."""
    with wave.open(path, "rb") as w:
        channels, width, file_rate = w.getnchannels(), w.getsampwidth(), w.getframerate()
        raw = w.readframes(w.getnframes())
    if width == 1:
        values = [(b - 128) / 128.0 for b in raw]
    elif width == 2:
        values = [v / FULL for v in array("h", raw)]
    elif width == 3:
        values = [int.from_bytes(raw[i:i + 3], "little", signed=True) / 8388608.0 for i in range(0, len(raw), 3)]
    else:
        values = [v / 2147483648.0 for v in array("i", raw)]
    mono = [sum(values[i:i + channels]) / channels for i in range(0, len(values), channels)]
    if file_rate == rate:
        return mono, file_rate
    count = int(len(mono) * rate / file_rate)
    out = []
    for n in range(count):
        pos = n * file_rate / rate
        i = min(int(pos), len(mono) - 1)
        j = min(i + 1, len(mono) - 1)
        out.append(mono[i] + (mono[j] - mono[i]) * (pos - i))
    return out, file_rate


def audible_span(samples, start=0, end=None):
    end = len(samples) if end is None else min(end, len(samples))
    first = next((n for n in range(start, end) if abs(samples[n]) > LEVEL), None)
    if first is None:
        return None
    last = next(n for n in range(end - 1, first - 1, -1) if abs(samples[n]) > LEVEL)
    return first, last


def record_while(probe, plan_path, monitor, rate, out):
    parec = subprocess.Popen(["parec", "-d", monitor, "--raw", "--format=s16le", "--rate=%d" % rate,
                              "--channels=2", "--latency-msec=5"], stdout=subprocess.PIPE)
    fd = parec.stdout.fileno()
    data = bytearray()
    offset_ns = None
    probe_proc = None
    probe_out = []
    stop_at = None
    deadline = time.monotonic() + 60
    os.set_blocking(fd, False)
    while time.monotonic() < deadline:
        try:
            block = os.read(fd, 65536)
        except BlockingIOError:
            block = b""
        now = time.monotonic_ns()
        if block:
            data += block
            frames = len(data) // 4
            bound = now - frames * 1_000_000_000 // rate
            offset_ns = bound if offset_ns is None else min(offset_ns, bound)
            # Start the probe once the recording has been running for a moment.
            if probe_proc is None and frames > rate // 5:
                probe_proc = subprocess.Popen([probe, plan_path], stdout=subprocess.PIPE, text=True)
        elif parec.poll() is not None:
            break
        else:
            time.sleep(0.001)
        if probe_proc is not None and stop_at is None and probe_proc.poll() is not None:
            probe_out = probe_proc.stdout.read().splitlines()
            stop_at = time.monotonic() + 0.5
        if stop_at is not None and time.monotonic() > stop_at:
            break
    parec.terminate()
    parec.wait()
    if probe_proc is None:
        sys.exit("FAIL: the recording never started")
    if probe_proc.poll() is None:
        probe_proc.kill()
        sys.exit("FAIL: the probe did not finish within 60 s")
    if probe_proc.returncode != 0:
        sys.exit("FAIL: the probe exited with status %d" % probe_proc.returncode)
    with open(out, "wb") as f:
        f.write(data)
    pcm = array("h", bytes(data[:len(data) // 4 * 4]))
    mono = [(pcm[i] + pcm[i + 1]) / (2 * FULL) for i in range(0, len(pcm), 2)]
    return mono, offset_ns, probe_out


def main():
    probe, workdir, monitor, rate = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
    mark, effects = sys.argv[5], sys.argv[6:]
    clips = {path: read_wav_mono(path, rate)[0] for path in [mark] + effects}
    spans = {path: audible_span(clip) for path, clip in clips.items()}
    for path, span in spans.items():
        if span is None:
            sys.exit("FAIL: %s has nothing audible to look for" % path)

    # The mark, each effect alone with a gap, then the longest effect cut off 50 ms in
    # by another one.
    plan, t = [], 500
    for path in [mark] + effects:
        plan.append((t, path))
        t += int(len(clips[path]) * 1000 / rate) + 400
    first = max(effects, key=lambda p: spans[p][1] - spans[p][0])
    second = next(p for p in effects if p != first)
    pair_at = t
    plan += [(pair_at, first), (pair_at + PAIR_GAP_MS, second)]
    t = pair_at + PAIR_GAP_MS + int(len(clips[second]) * 1000 / rate) + 600
    plan_path = os.path.join(workdir, "plan.txt")
    with open(plan_path, "w") as f:
        f.writelines("%d play %s\n" % item for item in plan)
        f.write("%d quit\n" % t)

    rec, offset_ns, probe_out = record_while(probe, plan_path, monitor, rate, os.path.join(workdir, "recording.raw"))
    print("\n".join("probe: " + line for line in probe_out))
    plays = [line.split(None, 5) for line in probe_out if line.startswith("play ")]
    if len(plays) != len(plan):
        sys.exit("FAIL: the probe reported %d plays of %d:\n%s" % (len(plays), len(plan), "\n".join(probe_out)))
    asked = [(int(p[4]) - offset_ns) * rate / 1e9 for p in plays]  # request times as sample indexes
    spent = [float(p[3]) for p in plays]
    print("recorded %.2f s at %d Hz; play() returned after at most %.2f ms" % (len(rec) / rate, rate, max(spent)))

    failures = []
    latencies = []
    onsets = []
    singles = len(plan) - 2
    for i in range(singles):
        path = plan[i][1]
        clip, (c_first, c_last) = clips[path], spans[path]
        start = int(asked[i])
        end = int(asked[i + 1]) if i + 1 < len(asked) else len(rec)
        heard = audible_span(rec, max(start - rate // 100, 0), end)
        name = os.path.basename(path)
        if heard is None:
            failures.append("%s (play %d) was not heard" % (name, i))
            onsets.append(None)
            continue
        onset = heard[0] - c_first
        onsets.append(onset)
        latency = (onset - asked[i]) * 1000 / rate
        length, own = heard[1] - heard[0], c_last - c_first
        latencies.append(latency)
        print("play %d %-9s asked %8.1f ms  onset %8.1f ms  latency %5.1f ms  heard %6.1f of %6.1f ms (%.0f%%)"
              % (i, name, asked[i] * 1000 / rate, onset * 1000 / rate, latency, length * 1000 / rate,
                 own * 1000 / rate, 100.0 * length / own if own else 100.0))
        if length < WHOLE_SHARE * own:
            failures.append("%s (play %d) was cut short" % (name, i))
        if latency > MAX_LATENCY_MS:
            failures.append("%s (play %d) started %.1f ms after it was asked for" % (name, i, latency))
        if latency < -5:
            failures.append("%s (play %d) was heard before it was asked for" % (name, i))

    if onsets[0] is not None:
        ref = [(onsets[i] - onsets[0] - (asked[i] - asked[0])) * 1000 / rate
               for i in range(singles) if onsets[i] is not None]
        print("latency relative to the start mark's: " + " ".join("%+.1f" % v for v in ref) + " ms")

    check_pair(rec, rate, asked[-2], asked[-1], clips[first], clips[second], spans[first], spans[second], failures,
               first, second)

    if latencies:
        print("latency median %.1f ms, worst %.1f ms over %d plays" % (statistics.median(latencies), max(latencies), len(latencies)))
    for failure in failures:
        print("FAIL: " + failure)
    sys.exit(1 if failures else 0)


def check_pair(rec, rate, asked_first, asked_second, a, b, a_span, b_span, failures, first_path, second_path):
    """The first effect plays until the second is asked for; from the second's onset on,
    only the second is heard."""
    first_name, second_name = os.path.basename(first_path), os.path.basename(second_path)
    start = audible_span(rec, max(int(asked_first) - rate // 100, 0))
    if start is None:
        failures.append("the cut-off pair was not heard")
        return
    onset_a = start[0] - a_span[0]
    window = min(len(b), rate // 5)

    def error(lag, first=0, last=window):
        return sum((rec[lag + k] - b[k]) ** 2 for k in range(first, last) if lag + k < len(rec))

    # The second effect's onset: where its file fits the recording best. Its first audible
    # samples pick the candidates (a periodic sound fits a period off almost as well
    # further in), the whole of it decides.
    ms = rate // 1000
    lags = range(int(asked_second) - 10 * ms, int(asked_second) + 100 * ms)
    head = (b_span[0], min(b_span[0] + 256, len(b)))
    candidates = sorted(lags, key=lambda lag: error(lag, *head))[:8]
    onset_b = min(candidates, key=error)
    # Where the first effect's sound last shows once the second's is taken away.
    tail_end = onset_a
    for n in range(onset_a, min(onset_b + len(b), len(rec))):
        expected = b[n - onset_b] if n >= onset_b else 0.0
        if abs(rec[n] - expected) > 2 * LEVEL:
            tail_end = n
    went_on = (tail_end - onset_b) * 1000 / rate
    left_of_a = (onset_a + a_span[1] - max(tail_end, onset_b)) * 1000 / rate
    energy_b = sum(v * v for v in b[b_span[0]:b_span[1]]) or 1.0
    residual_b = sum((rec[onset_b + k] - b[k]) ** 2 for k in range(b_span[0], min(b_span[1], len(rec) - onset_b))) / energy_b
    print("pair: %s asked %.1f ms after %s; %s heard from %.1f to %.1f ms after its onset, %s's onset at %.1f ms "
          "(latency %.1f ms); %s's sound went on %+.1f ms past that (%.0f ms of it were left unplayed); "
          "%s differs from its file by %.2f%% of its energy"
          % (second_name, (asked_second - asked_first) * 1000 / rate, first_name, first_name, 0.0,
             (tail_end - onset_a) * 1000 / rate, second_name, (onset_b - onset_a) * 1000 / rate,
             (onset_b - b_span[0] * 0 - asked_second) * 1000 / rate, first_name, went_on, left_of_a,
             second_name, 100 * residual_b))
    if left_of_a < 100:
        failures.append("the pair's first effect would have ended by itself; the cut-off is not shown")
    if went_on > CUT_WITHIN_MS:
        failures.append("the first effect went on %.1f ms after the second started" % went_on)
    if residual_b > 0.05:
        failures.append("the second effect of the pair was not heard cleanly (%.1f%% residual)" % (100 * residual_b))
    if (onset_b - asked_second) * 1000 / rate > MAX_LATENCY_MS:
        failures.append("the pair's second effect started %.1f ms after it was asked for" % ((onset_b - asked_second) * 1000 / rate))


if __name__ == "__main__":
    main()
