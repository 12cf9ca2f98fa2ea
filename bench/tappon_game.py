# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""The program's scripted games for bench.py: a traced run (start, idle, a game with a
key every TYPE_EVERY_S, the verdict, the sounds heard) and an untraced one (its CPU
alone, idle and in a game without typing)."""

import os
import statistics
import subprocess
import time

from percentile import percentile
from proc_stats import cpu_ns_by_thread, cpu_pct_by_part, cpu_pct_while_waiting, vm_hwm_kb
from program_trace import Trace
from sink_recorder import Recorder
from xdotool_keys import key_name, xdo

GAME_S = 60
IDLE_S = 15
# The main window's opening sound and its stream are over well within this.
SETTLE_S = 5.0
UNTRACED_GAME_S = 30
TYPE_EVERY_S = 1.5


def one_run(binary, display, env, work, index, recorder_args):
    trace_path = os.path.join(work, "trace%d.txt" % index)
    recorder = Recorder(*recorder_args)
    recorder.start()
    # The monitor hands parec its first real samples about two seconds after it
    # connects: started later, the recording misses the splash window's shots.
    time.sleep(2.5)
    r = {}
    t0 = time.monotonic_ns()
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
        mark = time.monotonic_ns()
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
                for text in tr.falling_letters():
                    name = key_name(text) if len(text) == 1 else None
                    if name:
                        sends.append(time.monotonic_ns())
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
