# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""Drives the real program from outside: xdotool for keys and clicks, AT-SPI for reading.

Run inside the program's own D-Bus session (dbus-run-session) on the test's X server.
Every wait polls with a deadline; a failure says what was last seen.
"""
import os
import re
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
    """Records the objects that announce a new name."""

    def __init__(self):
        self.sources = []
        self._listener = Atspi.EventListener.new(self._heard)
        self._listener.register("object:property-change:accessible-name")

    def _heard(self, event):
        self.sources.append(event.source)

    def wait_for(self, node, what, seconds=3):
        wait_until(lambda: any(source == node for source in self.sources), seconds,
                   f"{what} to announce a new name (heard from {len(self.sources)} others)")
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

    def window(self, form):
        """The showing window of the form ("frmtype"), found by its role and name."""
        roles, name = WINDOWS[form]
        for window in self.windows():
            if window is not None and window.getRole() in roles and window.name == name and showing(window):
                return window
        return None

    def wait_window(self, form, seconds=5):
        return wait_until(lambda: self.window(form), seconds, f"window {form}")

    def wait_window_gone(self, form, seconds=5):
        wait_until(lambda: self.window(form) is None, seconds, f"window {form} to go")

    def alert(self):
        """The showing message box (an alert that is none of the program's windows), or None."""
        for window in self.windows():
            if (window is not None and window.getRole() == pyatspi.ROLE_ALERT and showing(window)
                    and window.name not in (name for _, name in WINDOWS.values())):
                return window
        return None

    def describe_windows(self):
        return [(w.getRoleName(), w.name, w.description, showing(w)) for w in self.windows() if w is not None]

    # Controls ------------------------------------------------------------------------

    def control(self, control):
        """A control of the main window ("Label4", "Label1(3)"), found as a player hears it."""
        if control not in self._controls:
            found = locate(self.wait_window("frmtype"), control)
            if found is None:
                fail(f"no control {control} in the main window")
            # The main window's controls live as long as the program.
            self._controls[control] = found
        return self._controls[control]

    def text(self, control):
        return self.control(control).name

    def wait_text(self, control, expected, seconds=5):
        wait_until(lambda: self.text(control) == expected, seconds,
                   f"{control} to read {expected!r} (it reads {self.text(control)!r})")

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


# The windows by their role and their name, which stays put while the main window's title
# banner types itself out. The modal ones are dialogs, or alerts with Qt before 6.8 (so
# that Orca 43 reads all of their text).
MAIN_WINDOW_NAME = "Tappon  http://tappon.example.com/"
MODAL_ROLES = (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT)
WINDOWS = {
    "frmSplash": ((pyatspi.ROLE_FRAME,), "Tappon"),
    "frmtype": ((pyatspi.ROLE_FRAME,), MAIN_WINDOW_NAME),
    "Frmhelp": (MODAL_ROLES, "帮助"),
    "frmAbout": (MODAL_ROLES, "关于-Tappon"),
}

# Screen readers read no identifier that Qt 6.4 could give a control, so the main
# window's controls are found by what a player hears: a name, or for the read-outs the
# caption beside them, or for the letters their place in the playing field.
NAMED_CONTROLS = {"Picture1": "游戏区", "Picture2": "记分板", "Text1": "分钟数",
                  "Command1": "开始", "Command3": "暂停", "Command2": "结束"}
READ_OUTS = {"Label4": "现在得分：", "Label5": "剩余时间：", "Label10": "最好成绩："}


def locate(window, control):
    if control in NAMED_CONTROLS:
        return find(window, lambda node: node.name == NAMED_CONTROLS[control])
    if control in READ_OUTS:
        caption = find(window, lambda node: node.getRole() == pyatspi.ROLE_LABEL and node.name == READ_OUTS[control])
        if caption is None:
            return None
        return caption.parent.getChildAtIndex(caption.getIndexInParent() + 1)
    if control.startswith("Label1("):
        letters = []
        find(locate(window, "Picture1"), lambda node: node.getRole() == pyatspi.ROLE_LABEL and letters.append(node))
        return letters[int(control[7:-1])]
    fail(f"no way to find {control}")


# The names the program gives its windows and controls inside: never for a player's ears.
INTERNAL_NAME = re.compile(r"^(frm|Frm|Label|Command|Picture|Text|Image|Line|Timer|cmd|Shape|Frame)\w*(\(\d+\))?\.?$")


def internal_names(node, path=""):
    """Every name or description below node (itself included) that is an internal name."""
    found = []
    if node is None:
        return found
    here = f"{path}/{node.getRoleName()}"
    for text in (node.name or "", node.description or ""):
        if INTERNAL_NAME.match(text) or any(INTERNAL_NAME.match(word) for word in text.split()):
            found.append(f"{here}: {text!r}")
    for i in range(node.childCount):
        found += internal_names(node.getChildAtIndex(i), here)
    return found


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
