# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""The splash and the main window, the help window (F1: slides in, Esc: slides out and
goes) and the about window (Esc closes it), seen through accessibility and the X server:
each placed where its design puts it, frame included, under whatever window manager runs.
With TAPPON_E2E_SHOTS set to a folder, screenshots of the screen are left there."""
import os
import subprocess
import time

import tappon_atspi as t
from tappon_atspi import fail, wait_until
from x_windows import XWindows, off_centre, start_top_panel, work_area

# Positions are kept in twips, 15 to a pixel: a centred window may round a pixel off.
CENTRING_PIXELS = 2
# What a window manager must not offer on a window of fixed size, and on a modal one.
FIXED_SIZE_ACTIONS = {"MAXIMIZE_HORZ", "MAXIMIZE_VERT", "RESIZE"}
MODAL_ACTIONS = {"MINIMIZE"}
# Window managers that take a modal dialog's word for it and offer no minimising there.
# Openbox 3.6 and KWin 5.27 let every window minimise whatever it asks for (only other
# window types lose the button there); there the modal window must not become a trap.
# Openbox also draws a maximise button that does nothing wherever a minimise button lies
# between it and the title, as in its default layout: the actions it allows are what
# tells.
HONOURS_MODAL = {"xfwm4", "mutter"}


def screenshot(x, name, settle=0.0):
    """settle: seconds to let a window just shown be drawn (KWin fades new windows in)."""
    folder = os.environ.get("TAPPON_E2E_SHOTS")
    if folder:
        time.sleep(settle)
        os.makedirs(folder, exist_ok=True)
        x.screenshot(os.path.join(folder, name + ".png"))


def framed(x, wid, main):
    """The window's frame box once it has a frame as the main window has (a window
    manager frames a window a moment after it is mapped) and is no longer see-through
    (kept so while it is put in its place)."""
    has_frame = x.frame_extents(wid) != (0, 0, 0, 0)
    if x.see_through(wid) or not (has_frame or x.frame_extents(main) == (0, 0, 0, 0)):
        return None
    return x.frame_box(wid)


# Where a window lies and what it offers are checked to the end, each fault reported.
faults = []


def fault(message):
    print(f"FAULT: {message}")
    faults.append(message)


def check_actions(x, wid, what, forbidden):
    offered = x.allowed_actions(wid)
    if offered is not None and offered & forbidden:
        fault(f"the window manager offers {sorted(offered & forbidden)} on the {what}")


def check_focus_back(x, main, after):
    try:
        wait_until(lambda: x.focus_top_level() == x.top_level(main), 2,
                   f"the keyboard focus back on the main window after the {after}")
    except t.Failure as error:
        fault(str(error))


def wm_state(wid):
    return subprocess.run(["xprop", "-id", wid, "WM_STATE"], capture_output=True, text=True).stdout


def check_minimised_together(x, modal, main):
    """Some window managers (openbox, KWin) let every window minimise, whatever it asks
    for. Then a modal window must not become a trap: minimised, it takes the window it
    belongs to along, and activating that window brings both back, the modal one on top."""
    t.xdotool("windowminimize", modal)
    try:
        wait_until(lambda: "Iconic" in wm_state(main), 2, "the main window minimised with its modal window")
        t.xdotool("windowactivate", main)
        wait_until(lambda: "Normal" in wm_state(modal) and "Normal" in wm_state(main), 2,
                   "both windows back after activating the main window")
    except t.Failure as error:
        fault(f"minimising the modal about window: {error}")


def check_placed_once(x, wid, what):
    """A window must not be seen jumping once framed, where the window manager frames it
    without saying beforehand how thick the frame is (KWin)."""
    places = x.places_seen_since_mapped(wid)
    if len(places) > 1:
        fault(f"the {what} was seen moving after it was shown: its corner went {places}")


def check_spoken_names(window, what):
    """Nothing a screen reader reads of the window carries a name the program uses inside."""
    found = t.internal_names(window)
    if found:
        fault(f"the {what} speaks internal names: {found}")


def other_window(p, main):
    """The program's one mapped X window besides the main window."""
    for wid in t.xdotool("search", "--onlyvisible", "--pid", str(p.process.pid)).split():
        if wid != main:
            return wid
    return None


def test(p):
    # Every move of a window is recorded from the start, while the splash is up.
    x = XWindows()
    # The splash first: an accessible name, no title. Windows are found by role and name.
    splash = p.wait_window("frmSplash", 5)
    check_spoken_names(splash, "splash")
    if p.window("frmtype") is not None:
        fail("the main window is there before the splash has gone")
    splash_wid = wait_until(lambda: other_window(p, None), 2, "the splash on X")
    if x.see_through(splash_wid):
        fault("the splash is see-through")
    # The main window keeps its whole title as its name while the title types itself out.
    check_spoken_names(p.wait_window("frmtype", 6), "main window")
    p.wait_window_gone("frmSplash", 2)
    main = p.main_window_id()

    # The main window: centred on the screen, frame included; fixed in size.
    width, height = x.screen_size()
    main_frame = wait_until(lambda: framed(x, main, main), 2, "the main window in its place")
    if off_centre(main_frame, (0, 0, width, height)) > CENTRING_PIXELS:
        fault(f"the main window's frame {main_frame} is not centred on the {width}x{height} screen "
             f"(client {x.client_box(main)}, frame extents {x.frame_extents(main)})")
    check_actions(x, main, "main window", FIXED_SIZE_ACTIONS)
    screenshot(x, "main", settle=0.6)

    # Help: F1 opens it entirely above the screen and it slides down to centre on the
    # main window; every step it took is in the record of the moves.
    p.keys("F1", window=main)
    help_window = p.wait_window("Frmhelp", 3)
    check_spoken_names(help_window, "help window")
    wid = wait_until(lambda: other_window(p, main), 3, "the help window on X")
    if t.xdotool("getwindowname", wid).strip():
        fail(f"the help window has a title: {t.xdotool('getwindowname', wid)!r}")
    if os.environ.get("TAPPON_E2E_SHOTS"):
        wait_until(lambda: x.client_box(wid)[1] > -x.client_box(wid)[3] // 2, 2, "the help window half in")
    screenshot(x, "help-sliding")
    tops = []

    def settled():
        tops.append(x.client_box(wid)[1])
        return len(tops) >= 6 and len(set(tops[-6:])) == 1

    wait_until(settled, 5, "the help window to come to rest")
    help_frame = x.frame_box(wid)
    slide = x.tops(wid)
    print(f"help window tops while sliding in: {slide}")
    # Its last step passes the resting place, from which it is put back.
    if len(set(slide)) < 3 or sorted(slide[:-1]) != slide[:-1] or slide[-1] != help_frame[1]:
        fail(f"the help window did not slide down to rest at {help_frame[1]}: tops {slide}")
    if slide[0] + help_frame[3] > 0:
        fail(f"the help window, {help_frame[3]} high, did not start above the screen: tops {slide}")
    main_frame = x.frame_box(main)
    if off_centre(help_frame, main_frame) > CENTRING_PIXELS:
        fault(f"the help window rests at {help_frame}, off the centre of the main window's frame {main_frame}")
    screenshot(x, "help-at-rest")

    # Esc: it slides up and goes; the main window has the keys again.
    p.keys("Escape", window=wid)
    p.wait_window_gone("Frmhelp", 4)
    check_focus_back(x, main, "help window")
    check_placed_once(x, main, "main window")

    # About: Alt+H opens the help menu, A chooses the about item: centred on the main
    # window, frames included, and neither resizable nor to be minimised; Esc closes it.
    p.keys("alt+h", window=main)
    time.sleep(0.3)
    p.keys("a", window=main)
    about = p.wait_window("frmAbout", 3)
    check_spoken_names(about, "about window")
    about_wid = wait_until(lambda: other_window(p, main), 3, "the about window on X")
    about_frame = wait_until(lambda: framed(x, about_wid, main), 3, "the about window's frame")
    if off_centre(about_frame, main_frame) > CENTRING_PIXELS:
        fault(f"the about window's frame {about_frame} is off the centre of the main window's frame {main_frame}")
    time.sleep(0.1)
    check_placed_once(x, about_wid, "about window")
    check_actions(x, about_wid, "about window", FIXED_SIZE_ACTIONS)
    if os.environ.get("TAPPON_E2E_DESKTOP", "none") in HONOURS_MODAL:
        check_actions(x, about_wid, "modal about window", MODAL_ACTIONS)
    elif (x.allowed_actions(about_wid) or set()) & MODAL_ACTIONS:
        check_minimised_together(x, about_wid, main)
    screenshot(x, "about", settle=0.6)
    p.keys("Escape", window=about_wid)
    p.wait_window_gone("frmAbout", 3)
    check_focus_back(x, main, "about window")
    if p.process.poll() is not None:
        fail("the program ended")
    if faults:
        fail(f"{len(faults)} faults: " + "; ".join(faults))


# A panel along the top, under a compositor that keeps windows off it and under a window
# manager: windows are still placed as designed and the help window still slides in
# from above the screen.
PANEL_PIXELS = 32
if os.environ.get("TAPPON_E2E_DESKTOP", "none") in {"mutter", "openbox"}:
    panel = start_top_panel(PANEL_PIXELS)
    wait_until(lambda: (work_area(panel) or (0, 0))[1] == PANEL_PIXELS, 3, "the panel's room kept from windows")
t.run(test)
