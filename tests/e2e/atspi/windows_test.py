# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""The splash and the main window, the help window (F1: slides in, Esc: slides out and
goes) and the about window (Esc closes it), seen through accessibility and the X server."""
import time

import tappon_atspi as t
from tappon_atspi import fail, wait_until


def geometry(wid):
    values = dict(line.split("=", 1) for line in t.xdotool("getwindowgeometry", "--shell", wid).split())
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def other_window(p, main):
    """The program's one mapped X window besides the main window."""
    for wid in t.xdotool("search", "--onlyvisible", "--pid", str(p.process.pid)).split():
        if wid != main:
            return wid
    return None


def test(p):
    # The splash first: an accessible name, no title.
    splash = p.wait_window("frmSplash", 5)
    if splash.name != "Tappon":
        fail(f"the splash is named {splash.name!r}")
    if p.window("frmtype") is not None:
        fail("the main window is there before the splash has gone")
    p.wait_window("frmtype", 6)
    p.wait_window_gone("frmSplash", 2)
    main = p.main_window_id()

    # Help: F1 opens it above the screen and it slides down to centre on the main window.
    p.keys("F1", window=main)
    help_window = p.wait_window("Frmhelp", 3)
    if help_window.name != "帮助":
        fail(f"the help window is named {help_window.name!r}")
    wid = wait_until(lambda: other_window(p, main), 3, "the help window on X")
    if t.xdotool("getwindowname", wid).strip():
        fail(f"the help window has a title: {t.xdotool('getwindowname', wid)!r}")
    tops = []
    mx, my, mw, mh = geometry(main)

    def settled():
        tops.append(geometry(wid)[1])
        return len(tops) >= 6 and len(set(tops[-6:])) == 1

    wait_until(settled, 5, "the help window to come to rest")
    if len(set(tops)) < 3 or sorted(tops) != tops:
        fail(f"the help window did not slide down: tops {tops}")
    print(f"help window tops while sliding in: {tops}")
    hx, hy, hw, hh = geometry(wid)
    if abs((hy + hh / 2) - (my + mh / 2)) > 20 or abs((hx + hw / 2) - (mx + mw / 2)) > 20:
        fail(f"the help window rests at {hx},{hy} {hw}x{hh}, the main window is at {mx},{my} {mw}x{mh}")

    # Esc: it slides up and goes.
    p.keys("Escape", window=wid)
    p.wait_window_gone("Frmhelp", 4)

    # About: Alt+H opens the help menu, A chooses the about item; Esc closes it.
    p.keys("alt+h", window=main)
    time.sleep(0.3)
    p.keys("a", window=main)
    about = p.wait_window("frmAbout", 3)
    if not about.name.startswith("关于"):
        fail(f"the about window is named {about.name!r}")
    about_wid = wait_until(lambda: other_window(p, main), 3, "the about window on X")
    p.keys("Escape", window=about_wid)
    p.wait_window_gone("frmAbout", 3)
    if p.process.poll() is not None:
        fail("the program ended")


t.run(test)
