# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""Two games of 0.1 minutes, read through accessibility and typed from outside: one
without a hit ends with "Harder！" and stops; one with hits ends with "Very good！" and
the hits become the best score."""
import time

import tappon_atspi as t
from tappon_atspi import check_state, fail, press, wait_until

def start_game(p, minutes):
    box = p.control("Text1")
    p.click(box)  # a click empties the box
    wait_until(lambda: box.queryText().getText(0, -1) == "", 3, "Text1 to empty on a click")
    p.type(minutes)
    wait_until(lambda: box.queryText().getText(0, -1) == minutes, 3, f"Text1 to read {minutes}")
    press(p.control("Command1"))
    check_state(p, "running")


def visible_letters(p):
    """The captions of the letters inside the playing field, top first."""
    field_top = t.extents(p.control("Picture1"))[1]
    letters = []
    for i in range(5):
        label = p.control(f"Label1({i})")
        if t.extents(label)[1] >= field_top:
            letters.append(label.name)
    return letters


def close_alert(p, title):
    alert = wait_until(p.alert, 10, "the verdict message box")
    if alert.name != title:
        fail(f"verdict {alert.name!r}, expected {title!r}")
    wid = wait_until(lambda: t.x_window(p.process.pid, "^" + title), 3, "the verdict on X")
    p.keys("Return", window=wid)
    wait_until(lambda: p.alert() is None, 5, "the verdict to close")
    # The keyboard is the main window's again, with or without a window manager.
    main = p.main_window_id()
    wait_until(lambda: t.xdotool("getwindowfocus").strip() == main, 2, "the keyboard focus back on the main window")
    return alert


def message_of(alert):
    found = t.find(alert, lambda n: n.getRole() == t.pyatspi.ROLE_LABEL and "！" in (n.name or ""))
    return found.name if found else None


def test(p):
    p.wait_window("frmtype", 8)
    check_state(p, "load")
    for name in ("Label4", "Label5", "Label10"):
        if p.text(name) != "0":
            fail(f"{name} reads {p.text(name)!r} at start")

    # No hit against a target of 3: the poorest verdict, then the stop. The clock
    # announces each new caption, as a screen reader needs it.
    announced = t.NameChanges()
    start_game(p, "0.1")
    announced.wait_for(p.control("Label5"), "Label5")
    p.wait_text("Label5", "5", 3)
    alert = wait_until(p.alert, 9, "the verdict message box")
    text = wait_until(lambda: message_of(alert), 3, "the verdict's message")
    if text != "You are a loser man！":
        fail(f"verdict message {text!r}")
    close_alert(p, "Harder！")
    check_state(p, "stopped")
    p.wait_text("Label10", "0")
    p.wait_text("Label4", "0")

    # Hits: type whatever letters are in the field, and watch Label4 count them.
    start_game(p, "0.1")
    announced.sources.clear()
    hits = 0
    deadline = time.monotonic() + 4.5
    while hits < 6 and time.monotonic() < deadline:
        letters = visible_letters(p)
        if not letters:
            time.sleep(0.05)
            continue
        before = int(p.text("Label4"))
        p.type(letters[0])
        hits = wait_until(lambda: int(p.text("Label4")) if int(p.text("Label4")) > before else None, 2,
                          f"Label4 to count the hit of {letters[0]!r} (it read {before})")
    if hits < 4:
        fail(f"only {hits} hits counted")
    announced.wait_for(p.control("Label4"), "Label4", 1)
    alert = wait_until(p.alert, 9, "the verdict message box")
    shown = p.text("Label4")
    close_alert(p, "Very good！")
    p.wait_text("Label10", shown)
    p.wait_text("Label4", "0")
    print(f"{shown} hits, best score {p.text('Label10')}")


t.run(test)
