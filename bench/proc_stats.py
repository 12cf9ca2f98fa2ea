# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""CPU time and memory of a process, read from /proc."""

import os
import time


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


def cpu_ns(pid):
    return sum(cpu_ns_by_thread(pid).values())


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


def cpu_pct_over(pids, seconds, during=None):
    """Each process's CPU in % of a core while during(seconds) runs, or over a sleep."""
    c0, w0 = [cpu_ns(p) for p in pids], time.monotonic()
    if during:
        during(seconds)
    else:
        time.sleep(seconds)
    c1, w1 = [cpu_ns(p) for p in pids], time.monotonic()
    return [100.0 * (b - a) / 1e9 / (w1 - w0) for a, b in zip(c0, c1)]


def vm_hwm_kb(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def memory_mib(pid):
    out = {}
    with open("/proc/%d/smaps_rollup" % pid) as f:
        for line in f:
            parts = line.split()
            if parts[0] in ("Rss:", "Pss:", "Private_Clean:", "Private_Dirty:", "Anonymous:"):
                out[parts[0][:-1]] = int(parts[1]) / 1024.0
    return out


def load_averages():
    with open("/proc/loadavg") as f:
        return f.read().split()[:3]
