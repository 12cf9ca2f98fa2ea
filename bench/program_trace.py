# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""The program's trace (TAPPON_TRACE): one line per event, monotonic ns, kind, detail."""

import time


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

    def falling_letters(self):
        """The texts of the falling letters as their last captions left them, in the
        order their slots were first named."""
        letters = {}
        for e in self.events:
            if e[1] == "caption" and e[2].startswith("Label1("):
                slot, _, text = e[2].partition("=")
                letters[slot] = text
        return list(letters.values())
