# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""Variants of Tappon side by side with the peer (peer.py's tuxtype), to judge one change
at a time: a variant is a binary and the environment variables it runs with (a change
switched by a variable in a scratch build, or two builds). All run on one X server (an
Xvfb of its own, or a desktop's), every variant and the peer once a round, the order
rotating from round to round so that none always goes first; the ratios to the peer,
taken round by round, are what to read, as the host's load moves the figures themselves
by a third between series.

Usage: variants.py OUT.md ROUNDS GAME_S NAME=BINARY[:ENV=VAL[,ENV=VAL...]] ...
e.g. dbus-run-session -- /usr/bin/python3 bench/variants.py /tmp/v.md 4 20 \\
         base=build/tappon 'noglib=build/tappon:QT_NO_GLIB=1'

On a desktop that is already running (bench/on-desktop starts one), BENCH_DISPLAY names
its X display, BENCH_SERVER_PIDS the processes whose CPU is summed as the X server's
(the X server and the compositor, space-separated) and BENCH_DESKTOP_NAME the desktop."""

import os
import shutil
import statistics
import sys
import tempfile
import time

from damage_screen import Screen
from peer_results import fmt
from peer_round import TYPE_EVERY_S, play
from proc_stats import load_averages
from session import session_env, start_xvfb, stop_all

ROWS = [
    ("CPU idle, %", "cpu_idle_pct"),
    ("CPU in a game, no typing, %", "cpu_game_pct"),
    ("CPU in a game, a key every %.1f s, %%" % TYPE_EVERY_S, "cpu_typing_pct"),
    ("X server's CPU in a game, no typing, %", "x_game_pct"),
    ("X server's CPU in a game, typing, %", "x_typing_pct"),
    ("key → pixels, median, ms", "key_pixels_ms"),
]
RATIOS = ("cpu_game_pct", "cpu_typing_pct")
NAN = float("nan")


def parse(arg):
    name, _, rest = arg.partition("=")
    binary, _, envs = rest.partition(":")
    return name, os.path.abspath(binary), dict(e.split("=", 1) for e in envs.split(",") if e)


def median(xs):
    xs = [x for x in xs if x == x]
    return statistics.median(xs) if xs else NAN


def ratio(a, b):
    return a / b if b else NAN


def desktop():
    """The display of a desktop that is running (BENCH_DISPLAY), the processes whose CPU is
    the X server's and a line naming them, or Nones: then an Xvfb of our own is started."""
    display = os.environ.get("BENCH_DISPLAY")
    if not display:
        return None, None, None
    pids = [int(p) for p in os.environ.get("BENCH_SERVER_PIDS", "").split()]
    if not pids:
        sys.exit("variants.py: BENCH_DISPLAY needs BENCH_SERVER_PIDS, the X server's processes")
    names = []
    for pid in pids:
        with open("/proc/%d/comm" % pid) as f:
            names.append(f.read().strip())
    return display, pids, "%s (X server's CPU: %s)" % (os.environ.get("BENCH_DESKTOP_NAME", "a desktop"), " + ".join(names))


def write(out, variants, rounds, game_s, started, on):
    names = [n for n, _, _ in variants]
    with open("/proc/cpuinfo") as f:
        model = next((l.split(":", 1)[1].strip() for l in f if l.startswith("model name")), "?")
    lines = ["## Tappon's variants beside the peer", "",
             "- Date: %s; machine: %d cores (`nproc`), %s" % (started, len(os.sched_getaffinity(0)), model),
             "- Rounds: %d on %s, each variant and the peer once a round, the order rotating; %g-s games,"
             " half without typing, half with a key every %.1f s; Tappon's trace on; CPU in %% of a core" % (len(rounds), on, game_s, TYPE_EVERY_S)]
    lines += ["- `%s`: `%s`%s" % (n, b, "".join(" `%s=%s`" % kv for kv in e.items())) for n, b, e in variants]
    lines += ["- Peer: `tuxtype` as in `peer.py`. Ratios: the median of the rounds' ratios (the ratio of the medians)",
              "", "### Medians", "", "| Figure | %s | peer | %s |" % (" | ".join(names), " | ".join(n + " / peer" for n in names)),
              "|---|" + "---|" * (2 * len(names) + 1)]
    for label, key in ROWS:
        med = {n: median(r[n].get(key, NAN) for r in rounds) for n in names + ["peer"]}
        ratios = ["%s (%s)" % (fmt(median(ratio(r[n][key], r["peer"][key]) for r in rounds)), fmt(ratio(med[n], med["peer"])))
                  if key in RATIOS else "" for n in names]
        lines.append("| %s | %s | %s |" % (label, " | ".join(fmt(med[n]) for n in names + ["peer"]), " | ".join(ratios)))
    lines += ["", "### Per round", "", "| Round | load | Figure | %s | peer | %s |" % (" | ".join(names), " | ".join(n + " / peer" for n in names)),
              "|---|---|---|" + "---|" * (2 * len(names) + 1)]
    for i, r in enumerate(rounds):
        for label, key in ROWS:
            lines.append("| %d | %s | %s | %s | %s |" % (i + 1, r["load"], label, " | ".join(fmt(r[n].get(key, NAN)) for n in names + ["peer"]),
                                                       " | ".join(fmt(ratio(r[n][key], r["peer"][key])) if key in RATIOS else "" for n in names)))
    with open(out, "w") as f:
        f.write("\n".join(lines) + "\n")


def main():
    if len(sys.argv) < 5:
        sys.exit(__doc__.split("\n\n")[1])
    out, rounds_n, game_s = sys.argv[1], int(sys.argv[2]), float(sys.argv[3])
    variants = [parse(a) for a in sys.argv[4:]]
    names = [n for n, _, _ in variants]
    if len(set(names)) != len(names) or "peer" in names:
        sys.exit("variants.py: each variant needs a name of its own, other than peer")
    players = [(n, "tappon", b, e) for n, b, e in variants] + [("peer", "peer", None, None)]
    started = time.strftime("%Y-%m-%d %H:%M %Z")
    work = tempfile.mkdtemp(prefix="tappon-variants.")
    display, server_pids, on = desktop()
    xvfb = None
    if display is None:
        xvfb, display = start_xvfb(120)
        server_pids, on = [xvfb.pid], "one Xvfb"
    try:
        time.sleep(0.3)
        env = session_env(work, display, pulse_server="unix:/nonexistent")
        scr = Screen(display)
        rounds = []
        for i in range(rounds_n):
            r = {"load": load_averages()[0]}
            order = players[i % len(players):] + players[:i % len(players)]
            for name, kind, binary, extra in order:
                r[name] = play(kind, scr, server_pids, env, binary, game_s, extra)
            print("round %d load %s: %s" % (i + 1, r["load"], " ".join(
                "%s:%s=%s" % (p[0], key, fmt(v)) for p in order for key, v in r[p[0]].items() if not key.startswith("_"))), flush=True)
            rounds.append(r)
            # Written after every round, so that a long series stopped early still tells.
            write(out, variants, rounds, game_s, started, on)
        print("wrote", out)
    finally:
        stop_all([xvfb] if xvfb else [])
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
