# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""Key to pixels from outside: a passive X client that sees windows mapped and damaged
(XDamage) and sends keys with XTest."""

import time

from Xlib import X, display as xdisplay, error
from Xlib.ext import damage, xtest


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
        """The program's viewable top-level windows, the largest first. A window manager
        puts each in a frame of its own, so the search goes down the tree to the windows
        that name the program."""
        atom = self.d.intern_atom("_NET_WM_PID")
        found = []

        def search(parent):
            for w in parent.query_tree().children:
                try:
                    p = w.get_full_property(atom, X.AnyPropertyType)
                    if not p or p.value[0] != pid:
                        search(w)
                    elif w.get_attributes().map_state == X.IsViewable:
                        g = w.get_geometry()
                        found.append((g.width * g.height, w))
                except error.BadWindow:
                    pass  # gone since its parent was read

        search(self.root)
        return [w for _, w in sorted(found, key=lambda x: -x[0])]

    def point_at(self, window, x, y):
        """Moves the pointer to (x, y) of the window, as a device moves it (XTest):
        Xwayland ignores a warp."""
        at = self.root.translate_coords(window, x, y)
        xtest.fake_input(self.d, X.MotionNotify, x=at.x, y=at.y)
        self.d.sync()

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
