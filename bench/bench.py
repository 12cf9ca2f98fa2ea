# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""Tappon's performance benchmark: starts the real program under Xvfb with a PulseAudio
null sink, plays scripted one-minute games from outside (xdotool), and writes
RESULTS.md with the median and the worst of every figure over the runs.

Usage: bench.py TAPPON RESULTS.md [RUNS]

Timing comes from three places, all on CLOCK_MONOTONIC: this script (the moment it
starts the process, the moment it sends a key), the program's own trace
(TAPPON_TRACE: timer ticks, captions, keys, sound requests, windows shown and mapped),
and the recording of the null sink (placed on the same clock as tests/sound does it:
the earliest "block arrival minus the time its samples span")."""

import os
import platform
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time
import wave
from array import array

GAME_S = 60
IDLE_S = 15
# The main window's opening sound and its stream are over well within this.
SETTLE_S = 5.0
UNTRACED_GAME_S = 30
TYPE_EVERY_S = 1.5
LEVEL = 0.01  # audible: above -40 dBFS


def now_ns():
    return time.monotonic_ns()


def cpu_ns_by_thread(pid):
    # Time on a CPU in nanoseconds, per thread name. The tick counts of /proc/PID/stat
    # move in 10-ms steps: too coarse for a tenth of a percent.
    times = {}
    for task in os.listdir("/proc/%d/task" % pid):
        try:
            with open("/proc/%d/task/%s/comm" % (pid, task)) as f:
                name = f.read().strip()
            with open("/proc/%d/task/%s/schedstat" % (pid, task)) as f:
                times[name] = times.get(name, 0) + int(f.read().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass
    return times


def cpu_pct_by_part(before, after, seconds):
    # The event loop (the main thread, named as the program), the X event reader, and the
    # rest (sound, the trace writer).
    parts = {"main": 0, "x": 0, "other": 0}
    for name, ns in after.items():
        part = "main" if name == "tappon" else "x" if name == "QXcbEventQueue" else "other"
        parts[part] += ns - before.get(name, 0)
    return {part: 100.0 * ns / 1e9 / seconds for part, ns in parts.items()}


def cpu_pct_while_waiting(pid, seconds):
    c0, w0 = cpu_ns_by_thread(pid), time.monotonic()
    time.sleep(seconds)
    c1, w1 = cpu_ns_by_thread(pid), time.monotonic()
    return cpu_pct_by_part(c0, c1, w1 - w0)


def vm_hwm_kb(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


class Trace:
    """Follows the program's trace file as it grows."""

    def __init__(self, path):
        self.path = path
        self.events = []  # (ns, kind, detail)
        self.pos = 0
        self.partial = ""

    def poll(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as f:
                f.seek(self.pos)
                chunk = f.read()
                self.pos = f.tell()
        except FileNotFoundError:
            return
        text = self.partial + chunk
        lines = text.split("\n")
        self.partial = lines.pop()
        for line in lines:
            parts = line.split(" ", 2)
            if len(parts) >= 2:
                self.events.append((int(parts[0]), parts[1], parts[2] if len(parts) > 2 else ""))

    def wait_for(self, pred, timeout_s, after=0):
        deadline = time.monotonic() + timeout_s
        while time.monotonic() < deadline:
            self.poll()
            for e in self.events:
                if e[0] >= after and pred(e):
                    return e
            time.sleep(0.005)
        return None

    def find(self, pred):
        return [e for e in self.events if pred(e)]


class Recorder(threading.Thread):
    """Records the null sink's monitor for the whole run."""

    def __init__(self, monitor, rate):
        super().__init__(daemon=True)
        self.rate = rate
        self.data = bytearray()
        self.offset_ns = None
        self.stopping = False
        self.proc = subprocess.Popen(["parec", "-d", monitor, "--raw", "--format=s16le", "--rate=%d" % rate,
                                      "--channels=2", "--latency-msec=5"], stdout=subprocess.PIPE)

    def run(self):
        fd = self.proc.stdout.fileno()
        os.set_blocking(fd, False)
        while not self.stopping:
            try:
                block = os.read(fd, 65536)
            except BlockingIOError:
                block = b""
            t = now_ns()
            if block:
                self.data += block
                bound = t - (len(self.data) // 4) * 1_000_000_000 // self.rate
                self.offset_ns = bound if self.offset_ns is None else min(self.offset_ns, bound)
            elif self.proc.poll() is not None:
                break
            else:
                time.sleep(0.001)

    def stop(self):
        self.stopping = True
        self.join(2)
        self.proc.terminate()
        self.proc.wait()
        pcm = array("h", bytes(self.data[:len(self.data) // 4 * 4]))
        return [max(abs(pcm[i]), abs(pcm[i + 1])) / 32768.0 for i in range(0, len(pcm), 2)]

    def onsets(self, samples, requests_ns, window_ms=300, before_ms=20, quiet_ms=2):
        # Per request, milliseconds from it to the sound's first audible sample after a
        # quiet moment, or None when none came. The recording's place on the program's
        # clock is known only to a few milliseconds (the null sink renders ahead of real
        # time by its latency), so the search starts a little before the request and an
        # onset can come out slightly negative.
        out = []
        quiet = quiet_ms * self.rate // 1000
        for t in requests_ns:
            asked = int((t - self.offset_ns) * self.rate / 1e9)
            begin = max(asked - before_ms * self.rate // 1000, quiet)
            end = min(len(samples), asked + window_ms * self.rate // 1000)
            first, quiet_run = None, 0
            for n in range(begin - quiet, end):
                if samples[n] <= LEVEL:
                    quiet_run += 1
                elif quiet_run >= quiet and n >= begin:
                    first = n
                    break
                else:
                    quiet_run = 0
            out.append(None if first is None else (first - asked) * 1000.0 / self.rate)
        return out


def xdo(display, *args):
    return subprocess.run(["xdotool"] + list(args), env=dict(os.environ, DISPLAY=display),
                          capture_output=True, text=True).stdout.strip()


def key_name(ch):
    if ch.isascii() and ch.isalnum():
        return ch
    names = {" ": "space", ".": "period", ",": "comma", ";": "semicolon", "/": "slash", "-": "minus",
             "=": "equal", "'": "apostrophe", "[": "bracketleft", "]": "bracketright", "\\": "backslash",
             "`": "grave", "!": "exclam", "@": "at", "#": "numbersign", "$": "dollar", "%": "percent",
             "^": "asciicircum", "&": "ampersand", "*": "asterisk", "(": "parenleft", ")": "parenright",
             "+": "plus", "?": "question", ":": "colon", "<": "less", ">": "greater", "_": "underscore"}
    return names.get(ch)


def percentile(values, p):
    s = sorted(values)
    if not s:
        return float("nan")
    k = (len(s) - 1) * p / 100.0
    i = int(k)
    j = min(i + 1, len(s) - 1)
    return s[i] + (s[j] - s[i]) * (k - i)


def one_run(binary, display, env, work, index, recorder_args):
    trace_path = os.path.join(work, "trace%d.txt" % index)
    recorder = Recorder(*recorder_args)
    recorder.start()
    # The monitor hands parec its first real samples about two seconds after it
    # connects: started later, the recording misses the splash window's shots.
    time.sleep(2.5)
    r = {}
    t0 = now_ns()
    proc = subprocess.Popen([binary], env=dict(env, TAPPON_TRACE=trace_path), stdout=subprocess.DEVNULL,
                            stderr=open(os.path.join(work, "stderr%d.txt" % index), "w"))
    tr = Trace(trace_path)
    try:
        splash = tr.wait_for(lambda e: e[1] == "mapped" and "frmSplash" in e[2], 10)
        main = tr.wait_for(lambda e: e[1] == "mapped" and "frmtype" in e[2], 10)
        start = tr.find(lambda e: e[1] == "start")
        if not splash or not main:
            raise RuntimeError("windows not mapped: %s" % tr.events[:10])
        r["pre_main_ms"] = (start[0][0] - t0) / 1e6
        r["splash_ms"] = (splash[0] - t0) / 1e6
        r["main_ms"] = (main[0] - t0) / 1e6
        r["main_after_splash_ms"] = (main[0] - splash[0]) / 1e6

        # Idle: only the title banner runs, once the start-up's last effect has played.
        time.sleep(SETTLE_S)
        parts = cpu_pct_while_waiting(proc.pid, IDLE_S)
        r["cpu_idle_pct"] = sum(parts.values())
        r["cpu_idle_main_pct"] = parts["main"]

        ids = xdo(display, "search", "--onlyvisible", "--pid", str(proc.pid), "").split()
        wid = ids[-1] if ids else None
        if not wid:
            raise RuntimeError("main window not found")
        xdo(display, "windowfocus", "--sync", wid)
        time.sleep(0.3)
        tr.poll()
        mark = now_ns()
        xdo(display, "key", "F2")
        # The start writes the game time into Label5, in the handler that starts the timers.
        game_start = tr.wait_for(lambda e: e[1] == "caption" and e[2] == "Label5=%d" % GAME_S, 5, after=mark)
        if not game_start:
            raise RuntimeError("the game did not start")
        t_start = game_start[0]

        # The game: every TYPE_EVERY_S one of the falling letters is typed.
        time.sleep(1.0)
        c0, w0 = cpu_ns_by_thread(proc.pid), time.monotonic()
        sends = []
        next_type = time.monotonic()
        end_at = time.monotonic() + GAME_S - 3.0
        while time.monotonic() < end_at:
            tr.poll()
            if time.monotonic() >= next_type:
                letters = {}
                for e in tr.events:
                    if e[1] == "caption" and e[2].startswith("Label1("):
                        slot, _, text = e[2].partition("=")
                        letters[slot] = text
                for text in letters.values():
                    name = key_name(text) if len(text) == 1 else None
                    if name:
                        sends.append(now_ns())
                        xdo(display, "key", name)
                        break
                next_type += TYPE_EVERY_S
            time.sleep(0.01)
        c1, w1 = cpu_ns_by_thread(proc.pid), time.monotonic()
        parts = cpu_pct_by_part(c0, c1, w1 - w0)
        r["cpu_game_pct"] = sum(parts.values())
        r["cpu_game_main_pct"] = parts["main"]
        r["cpu_game_x_pct"] = parts["x"]
        r["cpu_game_other_pct"] = parts["other"]

        verdict = tr.wait_for(lambda e: e[1] == "mapped" and "frmtype" not in e[2], 10, after=t_start + 10**9)
        verdict_shown = tr.wait_for(lambda e: e[1] == "shown" and "frmtype" not in e[2], 1, after=t_start + 10**9)
        r["rss_peak_mb"] = vm_hwm_kb(proc.pid) / 1024.0
        ticks2 = [e[0] for e in tr.find(lambda e: e[1] == "tick" and e[2] == "frmtype.Timer2" and e[0] > t_start)]
        if verdict:
            r["verdict_mapped_err_ms"] = (verdict[0] - t_start) / 1e6 - GAME_S * 1000
        if verdict_shown:
            r["verdict_shown_err_ms"] = (verdict_shown[0] - t_start) / 1e6 - GAME_S * 1000
        if len(ticks2) >= GAME_S:
            r["clock_last_tick_err_ms"] = (ticks2[GAME_S - 1] - t_start) / 1e6 - GAME_S * 1000

        # Timer1 over the game: from the first tick to the verdict.
        end_ns = verdict_shown[0] if verdict_shown else t_start + GAME_S * 10**9
        t1 = [e[0] for e in tr.find(lambda e: e[1] == "tick" and e[2] == "frmtype.Timer1" and t_start < e[0] <= end_ns)]
        iv = [(b - a) / 1e6 for a, b in zip(t1, t1[1:])]
        dev = [abs(x - 50.0) for x in iv]
        r["_t1_devs"] = dev
        r["t1_ticks"] = len(t1)
        r["t1_mean_dev_ms"] = statistics.mean(dev)
        r["t1_p99_dev_ms"] = percentile(dev, 99)
        r["t1_max_dev_ms"] = max(dev)
        r["t1_drift_ms"] = (t1[-1] - t1[0]) / 1e6 - 50.0 * (len(t1) - 1)
        r["t1_first_ms"] = (t1[0] - t_start) / 1e6

        # The banner over the idle period and the game, in its uninterrupted stretches.
        t4 = [e[0] for e in tr.find(lambda e: e[1] == "tick" and e[2] == "frmtype.Timer4")]
        iv4 = [(b - a) / 1e6 for a, b in zip(t4, t4[1:])]
        runs, cur = [], [t4[0]] if t4 else []
        for a, b in zip(t4, t4[1:]):
            if abs((b - a) / 1e6 - 300) > 150:  # restarted (a stop parks the letters and restarts it)
                runs.append(cur)
                cur = [b]
            else:
                cur.append(b)
        runs.append(cur)
        longest = max(runs, key=len)
        dev4 = [abs(x - 300.0) for x in iv4 if abs(x - 300) <= 150]
        r["_t4_devs"] = dev4
        r["t4_p99_dev_ms"] = percentile(dev4, 99)
        r["t4_max_dev_ms"] = max(dev4)
        r["t4_drift_ms"] = (longest[-1] - longest[0]) / 1e6 - 300.0 * (len(longest) - 1)
        r["t4_ticks"] = len(longest)

        # Key to hit: each key received to the next change of Label4.
        keys = [e[0] for e in tr.find(lambda e: e[1] == "key" and e[0] > t_start + 10**8)]
        hits = [e[0] for e in tr.find(lambda e: e[1] == "caption" and e[2].startswith("Label4="))]
        in_proc, outside = [], []
        for k in keys:
            h = next((h for h in hits if h >= k), None)
            if h is not None and h - k < 100 * 10**6:
                in_proc.append((h - k) / 1e6)
        for s in sends:
            h = next((h for h in hits if h >= s), None)
            if h is not None and h - s < 200 * 10**6:
                outside.append((h - s) / 1e6)
        r["hits"] = len(in_proc)
        if in_proc:
            r["key_hit_ms"] = statistics.median(in_proc)
            r["key_hit_worst_ms"] = max(in_proc)
        if outside:
            r["send_hit_ms"] = statistics.median(outside)

        # Close the verdict and leave.
        xdo(display, "key", "Return")
        time.sleep(0.5)
        r["rss_peak_mb"] = vm_hwm_kb(proc.pid) / 1024.0
    finally:
        proc.kill()
        proc.wait()
        samples = recorder.stop()
    tr.poll()
    requested = tr.find(lambda e: e[1] == "sound")
    heard = recorder.onsets(samples, [e[0] for e in requested])
    onsets = [ms for ms in heard if ms is not None]
    r["sounds"] = len(requested)
    r["sounds_heard"] = len(onsets)
    r["_unheard"] = ["%s at %+.0f ms" % (os.path.basename(e[2]), (e[0] - t0) / 1e6)
                     for e, ms in zip(requested, heard) if ms is None]
    if onsets:
        r["sound_onset_ms"] = statistics.median(onsets)
        r["sound_onset_worst_ms"] = max(onsets)
    return r


def untraced_run(binary, display, env):
    """CPU of the program as players run it: no trace file, no typing. Idle on the main
    window, then a game that runs by itself."""
    r = {}
    proc = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        wid = None
        deadline = time.monotonic() + 10
        while not wid and time.monotonic() < deadline:
            time.sleep(0.1)
            ids = xdo(display, "search", "--onlyvisible", "--pid", str(proc.pid), "--name", "^Tapp").split()
            wid = ids[-1] if ids else None
        if not wid:
            raise RuntimeError("untraced: main window not found")
        time.sleep(SETTLE_S)
        parts = cpu_pct_while_waiting(proc.pid, IDLE_S)
        r["cpu_idle_untraced_pct"] = sum(parts.values())
        r["cpu_idle_untraced_main_pct"] = parts["main"]
        xdo(display, "windowfocus", "--sync", wid)
        time.sleep(0.3)
        xdo(display, "key", "F2")
        time.sleep(1.5)
        parts = cpu_pct_while_waiting(proc.pid, UNTRACED_GAME_S)
        r["cpu_game_untraced_pct"] = sum(parts.values())
        r["cpu_game_untraced_main_pct"] = parts["main"]
    finally:
        proc.kill()
        proc.wait()
    return r


ROWS = [
    ("Process start to `main()`", "pre_main_ms", "ms", "max", "—"),
    ("Process start to splash mapped", "splash_ms", "ms", "max", "≤ 80 ms"),
    ("Process start to main window mapped", "main_ms", "ms", "max", "—"),
    ("Splash mapped to main window mapped", "main_after_splash_ms", "ms", "absdev2000", "2000 ± 20 ms"),
    ("Game clock: verdict box shown − 60.000 s after start", "verdict_shown_err_ms", "ms", "absmax", "within 5 ms"),
    ("Game clock: verdict box mapped − 60.000 s", "verdict_mapped_err_ms", "ms", "absmax", "within 5 ms"),
    ("Game clock: 60th `Timer2` tick − 60.000 s", "clock_last_tick_err_ms", "ms", "absmax", "—"),
    ("`Timer1` ticks in the game", "t1_ticks", "", "min", "≈ 1200"),
    ("`Timer1` mean deviation from 50 ms", "t1_mean_dev_ms", "ms", "max", "—"),
    ("`Timer1` p99 deviation from 50 ms", "t1_p99_dev_ms", "ms", "max", "≤ 2 ms"),
    ("`Timer1` max deviation from 50 ms", "t1_max_dev_ms", "ms", "max", "—"),
    ("`Timer1` drift over the game", "t1_drift_ms", "ms", "absmax", "≤ 2 ms"),
    ("`Timer4` (banner) p99 deviation from 300 ms", "t4_p99_dev_ms", "ms", "max", "≤ 2 ms"),
    ("`Timer4` max deviation from 300 ms", "t4_max_dev_ms", "ms", "max", "—"),
    ("`Timer4` drift over its longest run", "t4_drift_ms", "ms", "absmax", "≤ 2 ms"),
    ("`Timer4` ticks in that run", "t4_ticks", "", "min", "—"),
    ("CPU, idle on the main window (banner only)", "cpu_idle_pct", "% of a core", "max", "≤ 0.1 %"),
    ("CPU, idle: the main thread alone", "cpu_idle_main_pct", "% of a core", "max", "—"),
    ("CPU, while a game runs (a key every 1.5 s)", "cpu_game_pct", "% of a core", "max", "≤ 1.0 %"),
    ("CPU in a game: main thread (events, painting)", "cpu_game_main_pct", "% of a core", "max", "—"),
    ("CPU in a game: X event reader thread", "cpu_game_x_pct", "% of a core", "max", "—"),
    ("CPU in a game: sound and trace threads", "cpu_game_other_pct", "% of a core", "max", "—"),
    ("CPU, idle, without the trace", "cpu_idle_untraced_pct", "% of a core", "max", "≤ 0.1 %"),
    ("CPU, idle, without the trace: the main thread alone", "cpu_idle_untraced_main_pct", "% of a core", "max", "—"),
    ("CPU in a game without typing, without the trace", "cpu_game_untraced_pct", "% of a core", "max", "≤ 1.0 %"),
    ("CPU in that game: main thread", "cpu_game_untraced_main_pct", "% of a core", "max", "—"),
    ("Peak resident memory (VmHWM)", "rss_peak_mb", "MB", "max", "≤ 45 MB"),
    ("Key received to hit shown in `Label4` (median of a game)", "key_hit_ms", "ms", "max", "≤ 5 ms"),
    ("Key received to hit shown, worst of a game", "key_hit_worst_ms", "ms", "max", "≤ 5 ms"),
    ("`xdotool key` started to hit shown (median)", "send_hit_ms", "ms", "max", "—"),
    ("Hits in a game", "hits", "", "min", "—"),
    ("Sound: request to first audible sample (median of a game)", "sound_onset_ms", "ms", "max", "median ≤ 30 ms"),
    ("Sound: request to first audible sample, worst of a game", "sound_onset_worst_ms", "ms", "max", "—"),
    ("Sounds heard / requested", "sounds_heard", "", "min", "all"),
]


def fmt(v):
    if isinstance(v, int):
        return str(v)
    return "%.2f" % v if abs(v) < 10 else "%.1f" % v


def machine():
    cpu = "?"
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                cpu = line.split(":", 1)[1].strip()
                break
    try:
        load = open("/proc/loadavg").read().split()[:3]
    except OSError:
        load = ["?"]
    return "%s, %d cores, Linux %s, load average %s at the start" % (cpu, os.cpu_count(), platform.release(), " ".join(load))


def write_results(path, results, command, started):
    lines = ["# Tappon benchmark results", "",
             "- Machine: %s" % machine(),
             "- Date: %s" % time.strftime("%Y-%m-%d %H:%M %Z", started),
             "- Command: `%s`" % command,
             "- Runs: %d (each: start, %d s idle from %.0f s after the main window appears, one %d-s game at the beginner level, a key every %.1f s;"
             " then the program again without its trace: %d s idle and %d s of a game without typing)"
             % (len(results), IDLE_S, SETTLE_S, GAME_S, TYPE_EVERY_S, IDLE_S, UNTRACED_GAME_S),
             "- Sound onsets: the recording is placed on the program's clock to within a few milliseconds, so an onset can come out slightly negative",
             "- Display: Xvfb 1024×768×24 without a window manager; sound: PulseAudio null sink; %s"
             % ("a D-Bus session bus of its own (dbus-run-session)" if os.environ.get("DBUS_SESSION_BUS_ADDRESS")
                else "no D-Bus session bus (libdbus autolaunches one at the start)"),
             "", "| Figure | Unit | Median | Worst | Target |", "|---|---|---|---|---|"]
    for label, key, unit, worst, target in ROWS:
        values = [r[key] for r in results if key in r]
        if not values:
            lines.append("| %s | %s | — | — | %s |" % (label, unit, target))
            continue
        med = statistics.median(values)
        if worst == "max":
            w = max(values)
        elif worst == "min":
            w = min(values)
        elif worst == "absdev2000":
            w = max(values, key=lambda v: abs(v - 2000))
        else:
            w = max(values, key=abs)
        if key == "sounds_heard":
            lines.append("| %s | | %s | %s | %s |" % (label, " ".join("%d/%d" % (r.get("sounds_heard", 0), r.get("sounds", 0)) for r in results), "", target))
            continue
        lines.append("| %s | %s | %s | %s | %s |" % (label, unit, fmt(med), fmt(w), target))
    # A run holds 1200 letter ticks but only about 250 banner ticks, so a run's p99 of
    # the banner is its third-worst interval: pooled over the runs, both rest on as
    # many intervals.
    lines += ["", "Pooled over the runs' intervals:", ""]
    for label, key in (("`Timer1`", "_t1_devs"), ("`Timer4` (banner)", "_t4_devs")):
        pooled = [d for r in results for d in r.get(key, [])]
        if pooled:
            lines.append("- %s: p99 deviation %s ms over %d intervals; %d of them off by more than 2 ms"
                         % (label, fmt(percentile(pooled, 99)), len(pooled), sum(1 for d in pooled if d > 2.0)))
    unheard = ["run %d: %s" % (i + 1, ", ".join(r["_unheard"])) for i, r in enumerate(results) if r.get("_unheard")]
    if unheard:
        lines += ["", "Sounds asked for but not heard within 300 ms (time from the process start):", ""]
        lines += ["- " + line for line in unheard]
    lines += ["", "Per run:", "", "```"]
    for i, r in enumerate(results):
        lines.append("run %d: %s" % (i + 1, " ".join("%s=%s" % (k, fmt(v)) for k, v in r.items()
                                                     if not k.startswith("_"))))
    lines += ["```", ""]
    with open(path, "w") as f:
        f.write("\n".join(lines))


def main():
    binary, out = os.path.abspath(sys.argv[1]), sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    for tool in ["Xvfb", "xdotool", "pulseaudio", "parec", "pactl"]:
        if not shutil.which(tool):
            sys.exit("bench: %s is not installed" % tool)
    started = time.localtime()
    work = tempfile.mkdtemp(prefix="tappon-bench.")
    procs = []
    try:
        # A display of our own.
        number = next(n for n in range(90, 200) if not os.path.exists("/tmp/.X%d-lock" % n))
        display = ":%d" % number
        xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                                stderr=subprocess.DEVNULL)
        procs.append(xvfb)
        for _ in range(100):
            if os.path.exists("/tmp/.X11-unix/X%d" % number):
                break
            time.sleep(0.05)

        # A sound server of our own with a null sink at the effects' rate.
        env = dict(os.environ, DISPLAY=display, XDG_RUNTIME_DIR=os.path.join(work, "runtime"),
                   HOME=os.path.join(work, "home"))
        env.pop("PULSE_SERVER", None)
        env.pop("QT_QPA_PLATFORM", None)
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
        os.makedirs(env["HOME"])
        sound_dir = os.path.join(os.path.dirname(binary), "Sound")
        with wave.open(os.path.join(sound_dir, "Ding.WAV")) as wf:
            rate = wf.getframerate()
        pulse = subprocess.Popen(["pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n", "--log-target=stderr",
                                  "-L", "module-native-protocol-unix",
                                  "-L", "module-null-sink sink_name=bench_null rate=%d" % rate],
                                 env=env, stderr=open(os.path.join(work, "pulse.log"), "w"))
        procs.append(pulse)
        for _ in range(50):
            if subprocess.run(["pactl", "info"], env=env, capture_output=True).returncode == 0:
                break
            time.sleep(0.1)
        os.environ.update(XDG_RUNTIME_DIR=env["XDG_RUNTIME_DIR"], HOME=env["HOME"])

        results = []
        for i in range(runs):
            res = one_run(binary, display, env, work, i, ("bench_null.monitor", rate))
            res.update(untraced_run(binary, display, env))
            print("run %d: %s" % (i + 1, " ".join("%s=%s" % (k, fmt(v)) for k, v in res.items()
                                                               if not k.startswith("_"))), flush=True)
            results.append(res)
        write_results(out, results, "bench/run " + " ".join(sys.argv[1:2]), started)
        print("wrote", out)
    finally:
        for p in reversed(procs):
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()
        if not os.environ.get("BENCH_KEEP"):
            shutil.rmtree(work, ignore_errors=True)
        else:
            print("kept", work)


if __name__ == "__main__":
    main()
