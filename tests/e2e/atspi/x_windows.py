# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""The program's windows as the X server and the window manager hold them: where a
window's frame lies, what the window manager lets the user do with it, which window has
the keyboard focus, and every move of a top-level window, recorded as it happens (a
slide of a few ticks is over before a poller from outside has looked twice)."""
import os
import subprocess

from Xlib import X, Xatom, display


class XWindows:
    def __init__(self):
        self.display = display.Display()
        self.root = self.display.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.display.sync()
        self._moves = []  # (top-level window, x, y), in the order the server made them

    def _atom(self, name):
        return self.display.intern_atom(name)

    def _window(self, wid):
        return self.display.create_resource_object("window", int(wid))

    def _record(self):
        while self.display.pending_events():
            event = self.display.next_event()
            if event.type in (X.CreateNotify, X.ConfigureNotify):
                self._moves.append((event.window.id, event.x, event.y))

    def top_level(self, wid):
        """The root's child that holds the window: its frame, or the window itself."""
        window = self._window(wid)
        while True:
            parent = window.query_tree().parent
            if parent.id == self.root.id:
                return window.id
            window = parent

    def tops(self, wid):
        """The top edges the window's top level has had since this recorder began."""
        self._record()
        top_level = self.top_level(wid)
        return [y for window, _, y in self._moves if window == top_level]

    def client_box(self, wid):
        """x, y, width, height of the client area on the screen."""
        window = self._window(wid)
        geometry = window.get_geometry()
        origin = window.translate_coords(self.root, 0, 0)
        return -origin.x, -origin.y, geometry.width, geometry.height

    def frame_extents(self, wid):
        """left, right, top, bottom of the window manager's frame (none without one)."""
        value = self._window(wid).get_full_property(self._atom("_NET_FRAME_EXTENTS"), Xatom.CARDINAL)
        return tuple(value.value) if value else (0, 0, 0, 0)

    def frame_box(self, wid):
        """x, y, width, height of the window with its frame."""
        x, y, width, height = self.client_box(wid)
        left, right, top, bottom = self.frame_extents(wid)
        return x - left, y - top, width + left + right, height + top + bottom

    def allowed_actions(self, wid):
        """The _NET_WM_ACTION_ names the window manager offers on the window, or None
        where no window manager says."""
        value = self._window(wid).get_full_property(self._atom("_NET_WM_ALLOWED_ACTIONS"), Xatom.ATOM)
        if value is None:
            return None
        return {self.display.get_atom_name(atom).removeprefix("_NET_WM_ACTION_") for atom in value.value}

    def window_manager(self):
        """The window manager's name, or None without one."""
        check = self.root.get_full_property(self._atom("_NET_SUPPORTING_WM_CHECK"), Xatom.WINDOW)
        if not check:
            return None
        name = self._window(check.value[0]).get_full_property(self._atom("_NET_WM_NAME"), self._atom("UTF8_STRING"))
        return name.value.decode() if name else None

    def focus_top_level(self):
        """The top-level window that holds the keyboard focus, or None."""
        focus = self.display.get_input_focus().focus
        if not hasattr(focus, "id") or focus.id in (0, 1, self.root.id):
            return None
        return self.top_level(focus.id)

    def screenshot(self, path):
        """The screen as a picture; a rootless XWayland has none of its root window, so
        there the picture is put together from the top-level windows, bottom first, or
        KWin takes it, as it draws the windows' decorations itself."""
        if os.environ.get("TAPPON_E2E_KWIN_BUS"):
            from kwin_screenshot import kwin_screenshot
            kwin_screenshot(os.environ["TAPPON_E2E_KWIN_BUS"], path)
            return
        if subprocess.run(["import", "-window", "root", path], capture_output=True).returncode == 0:
            return
        width, height = self.screen_size()
        command, parts = ["convert", "-size", f"{width}x{height}", "xc:gray25"], []
        for child in self.root.query_tree().children:
            if child.get_attributes().map_state != X.IsViewable:
                continue
            geometry = child.get_geometry()
            part = f"{path}.{child.id}.png"
            if subprocess.run(["import", "-window", str(child.id), part], capture_output=True).returncode == 0:
                parts.append(part)
                command += [part, "-geometry", f"+{geometry.x}+{geometry.y}", "-composite"]
        subprocess.run(command + [path], check=False)
        for part in parts:
            os.remove(part)

    def screen_size(self):
        screen = self.display.screen()
        return screen.width_in_pixels, screen.height_in_pixels


def centre(box):
    x, y, width, height = box
    return x + width / 2, y + height / 2


def off_centre(box, around):
    """How far box's centre lies from around's, the larger of the two distances."""
    (ax, ay), (bx, by) = centre(box), centre(around)
    return max(abs(ax - bx), abs(ay - by))
