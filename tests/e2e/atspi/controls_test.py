# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""Start, pause, resume and stop with the buttons and the menu, checked against the
table of usable controls; the level items and the sound switch."""
import time

import tappon_atspi as t
from tappon_atspi import check_state, checked, fail, press, wait_until

def counts_down(p):
    start = p.text("Label5")
    wait_until(lambda: p.text("Label5") != start, 2.5, f"Label5 to count down from {start}")


def levels(p):
    return [caption for caption in ("初级", "中级", "高级") if checked(p.menu_item(caption))]


def test(p):
    p.wait_window("frmtype", 8)
    check_state(p, "load")

    # A one-minute game started with the button.
    press(p.control("Command1"))
    check_state(p, "running")
    counts_down(p)

    # Pause with the button: the clock stands still.
    press(p.control("Command3"))
    check_state(p, "paused")
    held = p.text("Label5")
    time.sleep(1.3)
    if p.text("Label5") != held:
        fail(f"the clock ran on while paused: {held} -> {p.text('Label5')}")

    # Resume with the start button, pause with the menu item, resume again.
    press(p.control("Command1"))
    check_state(p, "running")
    counts_down(p)
    press(p.menu_item("暂停"))
    check_state(p, "paused")
    press(p.control("Command1"))
    check_state(p, "running")

    # Stop: the letters go back above the field.
    press(p.control("Command2"))
    check_state(p, "stopped")
    field_top = t.extents(p.control("Picture1"))[1]
    wait_until(lambda: all(t.extents(p.control(f"Label1({i})"))[1] < field_top for i in range(5)), 2,
               "the letters to be parked above the field")

    # Levels: a click on an unchecked level leaves only it checked.
    if levels(p) != ["初级"]:
        fail(f"levels checked at start: {levels(p)}")
    for caption in ("中级", "高级", "初级"):
        press(p.menu_item(caption))
        wait_until(lambda: levels(p) == [caption], 2, f"only {caption} checked (seen {levels(p)})")

    # The sound switch toggles.
    sound = p.menu_item("音效")
    if not checked(sound):
        fail("sound is off at start")
    press(sound)
    wait_until(lambda: not checked(p.menu_item("音效")), 2, "sound to switch off")
    press(p.menu_item("音效"))
    wait_until(lambda: checked(p.menu_item("音效")), 2, "sound to switch on again")


t.run(test)
