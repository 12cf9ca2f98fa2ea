# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""Tappon's performance benchmark: starts the real program under Xvfb with a PulseAudio
null sink, plays scripted one-minute games from outside (xdotool), and writes
RESULTS.md with the median and the worst of every figure over the runs.

Usage: bench.py TAPPON RESULTS.md [RUNS]

With BENCH_LOAD set to the project's source folder, the runs play while that project
is built with four jobs in another folder (build_load.py), for the timers' figures on
a loaded machine.

Timing comes from three places, all on CLOCK_MONOTONIC: the benchmark (the moment it
starts the process, the moment it sends a key), the program's own trace
(TAPPON_TRACE: timer ticks, captions, keys, sound requests, windows shown and mapped),
and the recording of the null sink (placed on the same clock as tests/sound does it:
the earliest "block arrival minus the time its samples span")."""

import contextlib
import os
import shutil
import sys
import tempfile
import time

from bench_results import fmt, write_results
from build_load import parallel_build
from session import effects_rate, session_env, start_pulseaudio, start_xvfb, stop_all
from tappon_game import one_run, untraced_run


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
        # A display and a sound server of our own, with a null sink at the effects' rate.
        xvfb, display = start_xvfb(90)
        procs.append(xvfb)
        env = session_env(work, display)
        rate = effects_rate(binary)
        procs.append(start_pulseaudio(env, rate, os.path.join(work, "pulse.log")))
        os.environ.update(XDG_RUNTIME_DIR=env["XDG_RUNTIME_DIR"], HOME=env["HOME"])

        results = []
        load_source = os.environ.get("BENCH_LOAD")
        with parallel_build(load_source) if load_source else contextlib.nullcontext() as loads:
            for i in range(runs):
                res = one_run(binary, display, env, work, i, ("bench_null.monitor", rate))
                res.update(untraced_run(binary, display, env))
                print("run %d: %s" % (i + 1, " ".join("%s=%s" % (k, fmt(v)) for k, v in res.items()
                                                                   if not k.startswith("_"))), flush=True)
                results.append(res)
        load = None
        if loads is not None:
            load = "while the project was built with `-j4` in another folder, in a session of its own " \
                   "(load average %s at the first run, %s at the end)" % tuple(loads)
        write_results(out, results, "bench/run " + " ".join(sys.argv[1:2]), started, load)
        print("wrote", out)
    finally:
        stop_all(procs)
        if not os.environ.get("BENCH_KEEP"):
            shutil.rmtree(work, ignore_errors=True)
        else:
            print("kept", work)


if __name__ == "__main__":
    main()
