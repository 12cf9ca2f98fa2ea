# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""The program's windows as the X server and the window manager hold them: where a
window's frame lies, what the window manager lets the user do with it, which window has
the keyboard focus, and every move of a top-level window, recorded as it happens (a
slide of a few ticks is over before a poller from outside has looked twice)."""
import os
import subprocess
import threading

from Xlib import X, Xatom, Xutil, display


class _Recorder(threading.Thread):
    """Reads, on a connection of its own and as they come, every move and mapping of a
    top-level window and whether a window is see-through: the program makes a window
    see-through by setting _NET_WM_WINDOW_OPACITY to 0 and ends it by deleting it."""

    def __init__(self):
        super().__init__(daemon=True)
        self.display = display.Display()
        # A window may go before it is looked at: that is no error here.
        self.display.set_error_handler(lambda *_: None)
        self.opacity = self.display.intern_atom("_NET_WM_WINDOW_OPACITY")
        self.display.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.display.sync()
        self.lock = threading.Lock()
        # ("place", window, x, y, width, height), ("map", window) and
        # ("see-through", window, bool), in the order the server made them.
        self.events = []
        self.start()

    def _see_through(self, window):
        try:
            value = window.get_full_property(self.opacity, Xatom.CARDINAL)
        except Exception:  # the window has gone meanwhile
            return None
        return bool(value) and value.value[0] == 0

    def run(self):
        while True:
            event = self.display.next_event()
            if event.type in (X.CreateNotify, X.ConfigureNotify):
                entries = [("place", event.window.id, event.x, event.y, event.width, event.height)]
                if event.type == X.CreateNotify:
                    # Watched from now on; it may have become see-through already.
                    event.window.change_attributes(event_mask=X.PropertyChangeMask)
                    if self._see_through(event.window):
                        entries.append(("see-through", event.window.id, True))
            elif event.type == X.MapNotify:
                entries = [("map", event.window.id)]
            elif event.type == X.PropertyNotify and event.atom == self.opacity:
                deleted = event.state == X.PropertyDelete
                entries = [("see-through", event.window.id, not deleted and self._see_through(event.window))]
            else:
                continue
            with self.lock:
                self.events.extend(entries)


class XWindows:
    def __init__(self):
        self.display = display.Display()
        self.root = self.display.screen().root
        self._recorder = _Recorder()

    def _atom(self, name):
        return self.display.intern_atom(name)

    def _window(self, wid):
        return self.display.create_resource_object("window", int(wid))

    def _events(self):
        with self._recorder.lock:
            return list(self._recorder.events)

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
        top_level = self.top_level(wid)
        return [event[3] for event in self._events() if event[0] == "place" and event[1] == top_level]

    def see_through(self, wid):
        """True while the program keeps the window see-through."""
        value = self._window(wid).get_full_property(self._atom("_NET_WM_WINDOW_OPACITY"), Xatom.CARDINAL)
        return bool(value) and value.value[0] == 0

    def places_seen_since_mapped(self, wid):
        """The top-left corners the window's top level has been seen at, at its present
        size and while the window was not see-through, since it was last mapped, each
        once (a window manager may make a frame small before it sizes it)."""
        top_level = self.top_level(wid)
        size = self._window(top_level).get_geometry()
        places, see_through = [], False
        for event in self._events():
            if event[0] == "see-through" and event[1] == int(wid):
                see_through = event[2]
            elif event[1] != top_level:
                continue
            elif event[0] == "map":
                places = []
            elif event[0] == "place" and event[4:] == (size.width, size.height) and not see_through:
                if event[2:4] not in places:
                    places.append(event[2:4])
        return places

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


def start_top_panel(height):
    """Maps a panel along the top of the screen, as a desktop's top bar is: a dock window
    that keeps `height` pixels from other windows. Returns its connection, which keeps it."""
    panel = display.Display()
    screen = panel.screen()
    window = screen.root.create_window(0, 0, screen.width_in_pixels, height, 0, screen.root_depth,
                                       background_pixel=screen.white_pixel)
    # Where it asks to be: a window manager places a window that does not say.
    window.set_wm_normal_hints(flags=Xutil.USPosition | Xutil.USSize, x=0, y=0,
                               width=screen.width_in_pixels, height=height)
    window.change_property(panel.intern_atom("_NET_WM_WINDOW_TYPE"), Xatom.ATOM, 32,
                           [panel.intern_atom("_NET_WM_WINDOW_TYPE_DOCK")])
    # Left, right, top, bottom; then the ends of each edge's strip.
    strut = [0, 0, height, 0]
    window.change_property(panel.intern_atom("_NET_WM_STRUT"), Xatom.CARDINAL, 32, strut)
    window.change_property(panel.intern_atom("_NET_WM_STRUT_PARTIAL"), Xatom.CARDINAL, 32,
                           strut + [0, 0, 0, 0, 0, screen.width_in_pixels - 1, 0, 0])
    window.map()
    panel.sync()
    return panel


def work_area(connection):
    """x, y, width, height of the screen's part that the window manager leaves to windows."""
    root = connection.screen().root
    value = root.get_full_property(connection.intern_atom("_NET_WORKAREA"), Xatom.CARDINAL)
    return tuple(value.value[:4]) if value else None
