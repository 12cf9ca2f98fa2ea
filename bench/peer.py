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
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, XK, display as xdisplay
from Xlib.ext import damage, xtest

IDLE_S = 10
SETTLE_S = 4.0
TYPE_EVERY_S = 1.5
KEYS_PER_GAME = 8
PEER = "/usr/games/tuxtype"
MARK = "<!-- side by side with the peer -->"


def cpu_ns(pid):
    total = 0
    for task in os.listdir("/proc/%d/task" % pid):
        try:
            with open("/proc/%d/task/%s/schedstat" % (pid, task)) as f:
                total += int(f.read().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass
    return total


def memory_mib(pid):
    out = {}
    with open("/proc/%d/smaps_rollup" % pid) as f:
        for line in f:
            parts = line.split()
            if parts[0] in ("Rss:", "Pss:", "Private_Clean:", "Private_Dirty:", "Anonymous:"):
                out[parts[0][:-1]] = int(parts[1]) / 1024.0
    return out


class Screen:
    """A passive client of the display: sees windows mapped and windows damaged."""

    def __init__(self, name):
        self.d = xdisplay.Display(name)
        self.root = self.d.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.d.damage_query_version()
        self.d.sync()

    def drain(self):
        while self.d.pending_events():
            self.d.next_event()

    def wait_map(self, timeout_s):
        deadline = time.monotonic() + timeout_s
        while time.monotonic() < deadline:
            while self.d.pending_events():
                e = self.d.next_event()
                if e.type == X.MapNotify:
                    return time.monotonic_ns(), e.window
            time.sleep(0.0005)
        return None, None

    def windows_of(self, pid):
        atom = self.d.intern_atom("_NET_WM_PID")
        found = []
        for w in self.root.query_tree().children:
            p = w.get_full_property(atom, X.AnyPropertyType)
            attrs = w.get_attributes()
            if p and p.value[0] == pid and attrs.map_state == X.IsViewable:
                g = w.get_geometry()
                found.append((g.width * g.height, w))
        return [w for _, w in sorted(found, key=lambda x: -x[0])]

    def key_to_pixels(self, window, keysym):
        """Milliseconds from an XTest press to the window's next damage, the press sent
        right after a damage so that the program's own next frame is as far off as it
        can be."""
        dmg = window.damage_create(damage.DamageReportRawRectangles)
        self.d.sync()
        try:
            self._next_damage(2.0)
            code = self.d.keysym_to_keycode(keysym)
            t = time.monotonic_ns()
            xtest.fake_input(self.d, X.KeyPress, code)
            self.d.sync()
            got = self._next_damage(1.0)
            xtest.fake_input(self.d, X.KeyRelease, code)
            self.d.sync()
            return None if got is None else (got - t) / 1e6
        finally:
            self.d.damage_destroy(dmg)
            self.d.sync()
            self.drain()

    def _next_damage(self, timeout_s):
        deadline = time.monotonic() + timeout_s
        while time.monotonic() < deadline:
            while self.d.pending_events():
                e = self.d.next_event()
                if type(e).__name__ == "DamageNotify":
                    return time.monotonic_ns()
            time.sleep(0.0002)
        return None

    def key(self, keysym):
        code = self.d.keysym_to_keycode(keysym)
        xtest.fake_input(self.d, X.KeyPress, code)
        xtest.fake_input(self.d, X.KeyRelease, code)
        self.d.sync()


def falling_letter(trace):
    if not trace:
        return None
    letters = {}
    with open(trace, encoding="utf-8", errors="replace") as f:
        for line in f:
            parts = line.split(" ", 2)
            if len(parts) == 3 and parts[1] == "caption" and parts[2].startswith("Label1("):
                slot, _, text = parts[2].rstrip("\n").partition("=")
                letters[slot] = text
    for text in letters.values():
        if len(text) == 1 and text.isascii() and text.isalnum():
            return text
    return None


def cpu_over(pids, seconds, during=None):
    c0, w0 = [cpu_ns(p) for p in pids], time.monotonic()
    if during:
        during(seconds)
    else:
        time.sleep(seconds)
    c1, w1 = [cpu_ns(p) for p in pids], time.monotonic()
    return [100.0 * (b - a) / 1e9 / (w1 - w0) for a, b in zip(c0, c1)]


def first_map(scr, argv, env):
    scr.drain()
    t0 = time.monotonic_ns()
    proc = subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    t, _ = scr.wait_map(10)
    return proc, None if t is None else (t - t0) / 1e6


def stop(proc):
    proc.kill()
    proc.wait()


def one(kind, scr, xvfb_pid, env, binary, game_s):
    r = {}
    argv = [binary] if kind == "tappon" else [PEER, "--window", "--nosound"]
    trace = None
    if kind == "peer":
        env = dict(env, SDL_AUDIODRIVER="dummy")
    else:
        # The trace names the falling letters, so that the keys typed are hits.
        trace = os.path.join(env["HOME"], "trace.txt")
        if os.path.exists(trace):
            os.remove(trace)
        env = dict(env, TAPPON_TRACE=trace)
    proc, r["start_ms"] = first_map(scr, argv, env)
    try:
        # Tappon's splash makes way for the main window after two seconds.
        time.sleep(SETTLE_S + (2.0 if kind == "tappon" else 0.0))
        wins = scr.windows_of(proc.pid)
        if not wins:
            raise RuntimeError("%s: no window" % kind)
        win = wins[0]
        me, xs = cpu_over([proc.pid, xvfb_pid], IDLE_S)
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
            # Fish Cascade, Easy, the first word list.
            for _ in range(3):
                scr.key(XK.XK_Return)
                time.sleep(1.2)
        time.sleep(1.5)
        me, xs = cpu_over([proc.pid, xvfb_pid], game_s / 2)
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

        me, xs = cpu_over([proc.pid, xvfb_pid], game_s / 2, typing)
        r["cpu_typing_pct"], r["x_typing_pct"] = me, xs
        r["_lat"] = lat
        r["key_pixels_ms"] = statistics.median(lat) if lat else float("nan")
    finally:
        stop(proc)
    return r


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


def write(path, rounds, baseline, game_s, started):
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


def main():
    binary, out = os.path.abspath(sys.argv[1]), sys.argv[2]
    rounds_n = int(sys.argv[3]) if len(sys.argv) > 3 else 3
    game_s = float(sys.argv[4]) if len(sys.argv) > 4 else 40
    started = time.strftime("%Y-%m-%d %H:%M %Z")
    work = tempfile.mkdtemp(prefix="tappon-peer.")
    number = next(n for n in range(120, 200) if not os.path.exists("/tmp/.X%d-lock" % n))
    name = ":%d" % number
    xvfb = subprocess.Popen(["Xvfb", name, "-screen", "0", "1024x768x24", "-nolisten", "tcp"], stderr=subprocess.DEVNULL)
    try:
        for _ in range(100):
            if os.path.exists("/tmp/.X11-unix/X%d" % number):
                break
            time.sleep(0.05)
        time.sleep(0.3)
        env = dict(os.environ, DISPLAY=name, HOME=os.path.join(work, "home"),
                   XDG_RUNTIME_DIR=os.path.join(work, "runtime"), PULSE_SERVER="unix:/nonexistent")
        env.pop("QT_QPA_PLATFORM", None)
        os.makedirs(env["HOME"])
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
        scr = Screen(name)
        rounds = []
        for i in range(rounds_n):
            r = {"load": open("/proc/loadavg").read().split()[0]}
            if shutil.which("xmessage"):
                p, r["xmessage_ms"] = first_map(scr, ["xmessage", "-timeout", "2", "x"], env)
                stop(p)
            order = ["tappon", "peer"] if i % 2 == 0 else ["peer", "tappon"]
            for kind in order:
                r[kind] = one(kind, scr, xvfb.pid, env, binary, game_s)
            print("round %d load %s: %s" % (i + 1, r["load"], " ".join(
                "%s:%s=%s" % (k[0], key, fmt(v)) for k in order for key, v in r[k].items() if not key.startswith("_"))), flush=True)
            rounds.append(r)
        write(out, rounds, None, game_s, started)
        print("wrote", out)
    finally:
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
