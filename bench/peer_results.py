# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""The side-by-side section of RESULTS.md (peer.py): both programs' figures, the ratio,
as medians and per round, with each round's load average."""

import os
import statistics

from peer_round import IDLE_S, PEER, SETTLE_S, TYPE_EVERY_S

MARK = "<!-- side by side with the peer -->"


ROWS = [
    ("start → first window mapped", "start_ms", "ms"),
    ("CPU idle (main window / its menu)", "cpu_idle_pct", "% of a core"),
    ("X server's CPU, idle", "x_idle_pct", "% of a core"),
    ("CPU in a game, no typing", "cpu_game_pct", "% of a core"),
    ("CPU in a game, a key every 1.5 s", "cpu_typing_pct", "% of a core"),
    ("X server's CPU in a game, no typing", "x_game_pct", "% of a core"),
    ("X server's CPU in a game, typing", "x_typing_pct", "% of a core"),
    ("Resident memory, idle (Rss)", "rss_mib", "MiB"),
    ("Proportional memory, idle (Pss)", "pss_mib", "MiB"),
    ("Anonymous memory, idle", "anon_mib", "MiB"),
    ("key → pixels (XTest press to the window's next XDamage), median of a round", "key_pixels_ms", "ms"),
]


def fmt(v):
    if v != v:
        return "—"
    return "%.3f" % v if abs(v) < 1 else "%.2f" % v if abs(v) < 10 else "%.1f" % v


def write(path, rounds, game_s, started):
    med = lambda k, who: statistics.median([r[who][k] for r in rounds if r[who].get(k) == r[who].get(k)] or [float("nan")])
    lines = ["## Tappon and a peer, side by side", "",
             "- Date: %s; 2 cores shared with other work; load average per round below" % started,
             "- Peer: Debian's `tuxtype` (`SDL_AUDIODRIVER=dummy %s --window --nosound`), Fish Cascade, Easy, first word list" % PEER,
             "- Rounds: %d, interleaved on one Xvfb 1024×768×24 without a window manager (order alternating);"
             " each program: start, %d s idle from %.0f s after its main window, a %d-s game (half without typing, half with a key every %.1f s)"
             % (len(rounds), IDLE_S, SETTLE_S, game_s, TYPE_EVERY_S),
             "- Neither plays sound. Tappon ticks 20 times a second, the peer draws 15 frames a second.",
             "- Tappon runs with its trace on (a line per tick and caption), which names the falling letters so that"
             " each key typed is a hit; the trace's own cost counts against Tappon's CPU",
             "- Peer keys: a letter of `asdfjkl` at random (a miss, mostly); it redraws every frame either way",
             "- Key → pixels: the press is sent right after a damage of the window; the first damage after it"
             " may be the program's next frame rather than its answer to the key: the peer redraws every"
             " frame, so its figure is its time to the next frame, at most ~67 ms",
             "", "### Medians", "", "| Figure | Unit | Tappon | Peer | Ratio |", "|---|---|---|---|---|"]
    for label, key, unit in ROWS:
        a, b = med(key, "tappon"), med(key, "peer")
        ratio = a / b if b else float("nan")
        extra = ""
        if key == "start_ms":
            xm = statistics.median([r["xmessage_ms"] for r in rounds if r.get("xmessage_ms")] or [float("nan")])
            extra = " (xmessage: %s ms; Tappon / xmessage %s)" % (fmt(xm), fmt(a / xm if xm else float("nan")))
        lines.append("| %s | %s | %s | %s | %s%s |" % (label, unit, fmt(a), fmt(b), fmt(ratio), extra))
    for who in ("tappon", "peer"):
        pooled = sorted(x for r in rounds for x in r[who].get("_lat", []))
        if pooled:
            lines.append("")
            lines.append("- %s key → pixels pooled: median %s ms, p95 %s ms over %d keys"
                         % (who, fmt(statistics.median(pooled)), fmt(pooled[int(0.95 * (len(pooled) - 1))]), len(pooled)))
    lines += ["", "### Per round", "", "| Round | load | Figure | Tappon | Peer | Ratio |", "|---|---|---|---|---|---|"]
    for i, r in enumerate(rounds):
        for label, key, unit in ROWS:
            a, b = r["tappon"].get(key, float("nan")), r["peer"].get(key, float("nan"))
            lines.append("| %d | %s | %s | %s | %s | %s |" % (i + 1, r["load"], label, fmt(a), fmt(b), fmt(a / b if b else float("nan"))))
        lines.append("| %d | %s | xmessage start | %s | | |" % (i + 1, r["load"], fmt(r.get("xmessage_ms") or float("nan"))))
    # The section replaces the one of an earlier series and leaves the program's own
    # figures above it as they are.
    kept = ""
    if os.path.exists(path):
        with open(path) as f:
            kept = f.read().split(MARK)[0].rstrip("\n")
    with open(path, "w") as f:
        f.write((kept + "\n\n" if kept else "") + MARK + "\n" + "\n".join(lines) + "\n")
