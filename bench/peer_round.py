# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""One program's part of a side-by-side round (peer.py): its start to its first window
mapped, CPU idle and in a game without typing and with a key every TYPE_EVERY_S, the X
server's CPU over those stretches, its memory, and key to pixels."""

import os
import random
import statistics
import subprocess
import time

from Xlib import X, XK

from proc_stats import cpu_pct_over, memory_mib
from program_trace import Trace

IDLE_S = 10
SETTLE_S = 4.0
TYPE_EVERY_S = 1.5
KEYS_PER_GAME = 8
PEER = "/usr/games/tuxtype"


def falling_letter(trace):
    # A letter Tappon shows falling, named by its trace, so that the key typed is a hit.
    if trace is None:
        return None
    trace.poll()
    for text in trace.falling_letters():
        if len(text) == 1 and text.isascii() and text.isalnum():
            return text
    return None


def first_map(scr, argv, env):
    scr.drain()
    t0 = time.monotonic_ns()
    proc = subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    t, _ = scr.wait_map(10)
    return proc, None if t is None else (t - t0) / 1e6


def cpu_pct_with_server(pid, server_pids, seconds, during=None):
    # The program's CPU and the X server's, its processes summed.
    pcts = cpu_pct_over([pid] + server_pids, seconds, during)
    return pcts[0], sum(pcts[1:])


def stop(proc):
    proc.kill()
    proc.wait()


def play(kind, scr, server_pids, env, binary, game_s, extra_env=None):
    """kind is "tappon" or "peer"; scr the display's Screen; server_pids the processes whose
    CPU, summed, is the X server's (the X server, and a compositor beside it); extra_env
    what Tappon runs with besides env (a variant's switches); the figures by name."""
    r = {}
    argv = [binary] if kind == "tappon" else [PEER, "--window", "--nosound"]
    trace = None
    if kind == "peer":
        env = dict(env, SDL_AUDIODRIVER="dummy")
    else:
        # The trace names the falling letters, so that the keys typed are hits.
        trace_path = os.path.join(env["HOME"], "trace.txt")
        if os.path.exists(trace_path):
            os.remove(trace_path)
        env = {**env, **(extra_env or {}), "TAPPON_TRACE": trace_path}
        trace = Trace(trace_path)
    proc, r["start_ms"] = first_map(scr, argv, env)
    try:
        # Tappon's splash makes way for the main window after two seconds.
        time.sleep(SETTLE_S + (2.0 if kind == "tappon" else 0.0))
        wins = scr.windows_of(proc.pid)
        if not wins:
            raise RuntimeError("%s: no window" % kind)
        win = wins[0]
        me, xs = cpu_pct_with_server(proc.pid, server_pids, IDLE_S)
        r["cpu_idle_pct"], r["x_idle_pct"] = me, xs
        mem = memory_mib(proc.pid)
        r["rss_mib"], r["pss_mib"] = mem["Rss"], mem["Pss"]
        r["anon_mib"] = mem.get("Anonymous", 0)
        win.set_input_focus(X.RevertToParent, X.CurrentTime)
        scr.d.sync()
        time.sleep(0.3)
        if kind == "tappon":
            scr.key(XK.XK_F2)
        else:
            # Fish Cascade (at 300, 128 of the window), Easy, the first word list. The
            # menu selects the entry the pointer last moved over, and on Debian 13
            # (sdl12-compat) the pointer is in the window's middle once the peer has
            # started, on the third entry; so it goes over the first, then off them.
            g = win.get_geometry()
            scr.point_at(win, 300, 128)
            time.sleep(0.3)
            scr.point_at(win, g.width - 1, g.height - 1)
            time.sleep(0.3)
            for _ in range(3):
                scr.key(XK.XK_Return)
                time.sleep(1.2)
        time.sleep(1.5)
        me, xs = cpu_pct_with_server(proc.pid, server_pids, game_s / 2)
        r["cpu_game_pct"], r["x_game_pct"] = me, xs
        lat = []

        def typing(seconds):
            end = time.monotonic() + seconds
            n = 0
            while time.monotonic() < end:
                ms = scr.key_to_pixels(win, XK.string_to_keysym(falling_letter(trace) or random.choice("asdfjkl")))
                if ms is not None and n < KEYS_PER_GAME * 4:
                    lat.append(ms)
                n += 1
                time.sleep(max(0.0, TYPE_EVERY_S - 0.1))

        me, xs = cpu_pct_with_server(proc.pid, server_pids, game_s / 2, typing)
        r["cpu_typing_pct"], r["x_typing_pct"] = me, xs
        r["_lat"] = lat
        r["key_pixels_ms"] = statistics.median(lat) if lat else float("nan")
    finally:
        stop(proc)
    return r
