# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""Drives the real program from outside: xdotool for keys and clicks, AT-SPI for reading.

Run inside the program's own D-Bus session (dbus-run-session) on the test's X server.
Every wait polls with a deadline; a failure says what was last seen.
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib


class Failure(Exception):
    pass


def fail(message):
    raise Failure(message)


def wait_until(probe, seconds, what):
    """Polls probe() until it returns something true; returns that value."""
    deadline = time.monotonic() + seconds
    seen = None
    while True:
        pump_events()
        try:
            seen = probe()
        except Exception as error:  # the tree changes under us: windows come and go
            seen = f"<{type(error).__name__}: {error}>"
        else:
            if seen:
                return seen
        if time.monotonic() > deadline:
            fail(f"timed out after {seconds} s waiting for {what}; last seen: {seen!r}")
        time.sleep(0.05)


def pump_events():
    """Delivers the accessibility events that have arrived to their listeners."""
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


class NameChanges:
    """Records the descriptions of the objects that announce a new name."""

    def __init__(self):
        self.sources = []
        self._listener = Atspi.EventListener.new(self._heard)
        self._listener.register("object:property-change:accessible-name")

    def _heard(self, event):
        try:
            self.sources.append(event.source.get_description())
        except Exception:
            self.sources.append(None)

    def wait_for(self, description, seconds=3):
        wait_until(lambda: description in self.sources, seconds,
                   f"{description} to announce a new name (heard from {sorted(set(map(str, self.sources)))})")
        self.sources.clear()


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True).stdout


def strip_accel(name):
    """A menu caption as a reader says it: without the access key in parentheses, no blanks."""
    name = name or ""
    if name.endswith(")") and "(" in name:
        name = name[: name.rindex("(")]
    return name.replace(" ", "")


class Program:
    """The program under test, started with accessibility on."""

    def __init__(self, path):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.log = open(os.path.join(os.environ.get("E2E_TMP", "/tmp"), "program.log"), "w")
        self.process = subprocess.Popen([path], env=env, stdout=self.log, stderr=subprocess.STDOUT)
        self._controls = {}
        self.app = wait_until(self._find_app, 10, "the program on the accessibility bus")

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
        self.log.close()

    # Windows -------------------------------------------------------------------------

    def windows(self):
        return [self.app.getChildAtIndex(i) for i in range(self.app.childCount)]

    def window(self, description):
        """The showing window whose description is the form's name ("frmtype")."""
        for window in self.windows():
            if window is not None and window.description == description and showing(window):
                return window
        return None

    def wait_window(self, description, seconds=5):
        return wait_until(lambda: self.window(description), seconds, f"window {description}")

    def wait_window_gone(self, description, seconds=5):
        wait_until(lambda: self.window(description) is None, seconds, f"window {description} to go")

    def alert(self):
        """The showing message box (an alert), or None."""
        for window in self.windows():
            if window is not None and window.getRole() == pyatspi.ROLE_ALERT and showing(window):
                return window
        return None

    def describe_windows(self):
        return [(w.getRoleName(), w.name, w.description, showing(w)) for w in self.windows() if w is not None]

    # Controls ------------------------------------------------------------------------

    def control(self, description, window="frmtype"):
        """The control whose description is its display name ("Label4", "Label1(3)")."""
        key = (window, description)
        if key not in self._controls:
            root = self.wait_window(window)
            found = find(root, lambda node: node.description == description)
            if found is None:
                fail(f"no control described as {description} in {window}")
            # The main window's controls live as long as the program; others are looked up afresh.
            if window != "frmtype":
                return found
            self._controls[key] = found
        return self._controls[key]

    def text(self, description):
        return self.control(description).name

    def wait_text(self, description, expected, seconds=5):
        wait_until(lambda: self.text(description) == expected, seconds,
                   f"{description} to read {expected!r} (it reads {self.text(description)!r})")

    def menu_item(self, caption):
        """A menu item by its caption as read, blanks and access key left out ("初级")."""
        root = self.wait_window("frmtype")
        found = find(root, lambda node: node.getRole() in MENU_ROLES and strip_accel(node.name) == caption)
        if found is None:
            fail(f"no menu item {caption}")
        return found

    # Input ---------------------------------------------------------------------------

    def main_window_id(self):
        return wait_until(lambda: x_window(self.process.pid, "^Tapp"), 5, "the main window on X")

    def keys(self, *keys, window=None):
        wid = window or self.main_window_id()
        xdotool("windowfocus", "--sync", wid)
        xdotool("key", "--clearmodifiers", *keys)

    def type(self, text, window=None):
        wid = window or self.main_window_id()
        xdotool("windowfocus", "--sync", wid)
        xdotool("type", "--delay", "20", text)

    def click(self, node):
        x, y, width, height = extents(node)
        xdotool("mousemove", "--sync", str(x + width // 2), str(y + height // 2), "click", "1")


MENU_ROLES = (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM, pyatspi.ROLE_MENU)


def find(node, predicate):
    """The first node below node (itself included) that satisfies predicate."""
    if node is None:
        return None
    if predicate(node):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), predicate)
        if found is not None:
            return found
    return None


def has_state(node, state):
    return node.getState().contains(state)


def showing(node):
    return has_state(node, pyatspi.STATE_SHOWING)


def enabled(node):
    return has_state(node, pyatspi.STATE_ENABLED) and has_state(node, pyatspi.STATE_SENSITIVE)


def checked(node):
    return has_state(node, pyatspi.STATE_CHECKED)


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def press(node):
    """Presses a button or menu item. Only for presses that open no modal dialog:
    the call would block until the dialog closes."""
    node.queryAction().doAction(0)


def x_window(pid, pattern):
    """The first mapped X window of pid whose name matches the regular expression."""
    import re
    try:
        ids = xdotool("search", "--onlyvisible", "--pid", str(pid)).split()
    except subprocess.CalledProcessError:
        return None
    for wid in ids:
        try:
            if re.search(pattern, xdotool("getwindowname", wid).rstrip("\n")):
                return wid
        except subprocess.CalledProcessError:
            pass
    return None


# Which controls are usable in each state of a game; pause1 is the pause item of the menu.
STATES = {
    "load":    {"Command1": True, "Command2": False, "Command3": False, "pause1": False, "Text1": True},
    "running": {"Command1": False, "Command2": True, "Command3": True, "pause1": True, "Text1": False},
    "paused":  {"Command1": True, "Command2": True, "Command3": False, "pause1": False},
    "stopped": {"Command1": True, "Command2": False, "Command3": False, "pause1": False, "Text1": True},
}


def check_state(p, name):
    """Waits until the controls are usable as the state says."""
    expected = STATES[name]
    seen = {}

    def matches():
        seen.update({c: enabled(p.control(c)) for c in ("Command1", "Command2", "Command3", "Text1")})
        seen["pause1"] = enabled(p.menu_item("暂停"))
        return all(seen[key] == value for key, value in expected.items())

    wait_until(matches, 3, f"the {name} state {expected} (seen {seen})")


def run(test):
    """Runs test(program) against the program named on the command line; exit 1 on failure."""
    program = None
    try:
        program = Program(sys.argv[1])
        test(program)
    except Failure as error:
        print(f"FAILED: {error}")
        try:
            print("windows seen:", program.describe_windows())
        except Exception:
            pass
        sys.exit(1)
    finally:
        if program is not None:
            program.close()
    print("PASSED")
