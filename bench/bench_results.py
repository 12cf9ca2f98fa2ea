# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""The figures table of bench.py: RESULTS.md with the machine, the date, and the median
and the worst of every figure over the runs."""

import os
import platform
import statistics
import time

from percentile import percentile
from proc_stats import load_averages
from tappon_game import GAME_S, IDLE_S, SETTLE_S, TYPE_EVERY_S, UNTRACED_GAME_S


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
        load = load_averages()
    except OSError:
        load = ["?"]
    return "%s, %d cores, Linux %s, load average %s at the start" % (cpu, os.cpu_count(), platform.release(), " ".join(load))


def write_results(path, results, command, started, load=None):
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
             ] + (["- Load: the games played %s" % load] if load else []) + [
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
