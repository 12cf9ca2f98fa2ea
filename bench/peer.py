# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""Tappon side by side with a peer: Debian's tuxtype, an SDL falling-letters typing game
(its Fish Cascade, Easy). Both run on one Xvfb, interleaved round by round (the order
alternates), so that the host's load, which moves CPU figures by a third between series
on this VM, weighs on both alike; the ratios are what to read.

Usage: peer.py TAPPON PEER-RESULTS.md [ROUNDS] [GAME_S]

Per program and round: start to first window mapped (xmessage as a baseline), CPU idle,
CPU in a game without typing and with a key every 1.5 s, the X server's CPU over those
stretches, resident and proportional memory (smaps_rollup), and key to pixels: an XTest
key press sent right after the window's last damage, to the first damage of the window
that follows (a passive XDamage client). Neither program plays sound (the peer runs with
--nosound, Tappon finds no sound server)."""

import os
import shutil
import sys
import tempfile
import time

from damage_screen import Screen
from peer_results import fmt, write
from peer_round import first_map, play, stop
from proc_stats import load_averages
from session import session_env, start_xvfb, stop_all


def main():
    binary, out = os.path.abspath(sys.argv[1]), sys.argv[2]
    rounds_n = int(sys.argv[3]) if len(sys.argv) > 3 else 3
    game_s = float(sys.argv[4]) if len(sys.argv) > 4 else 40
    started = time.strftime("%Y-%m-%d %H:%M %Z")
    work = tempfile.mkdtemp(prefix="tappon-peer.")
    xvfb, name = start_xvfb(120)
    try:
        time.sleep(0.3)
        env = session_env(work, name, pulse_server="unix:/nonexistent")
        scr = Screen(name)
        rounds = []
        for i in range(rounds_n):
            r = {"load": load_averages()[0]}
            if shutil.which("xmessage"):
                p, r["xmessage_ms"] = first_map(scr, ["xmessage", "-timeout", "2", "x"], env)
                stop(p)
            order = ["tappon", "peer"] if i % 2 == 0 else ["peer", "tappon"]
            for kind in order:
                r[kind] = play(kind, scr, [xvfb.pid], env, binary, game_s)
            print("round %d load %s: %s" % (i + 1, r["load"], " ".join(
                "%s:%s=%s" % (k[0], key, fmt(v)) for k in order for key, v in r[k].items() if not key.startswith("_"))), flush=True)
            rounds.append(r)
        write(out, rounds, game_s, started)
        print("wrote", out)
    finally:
        stop_all([xvfb])
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
