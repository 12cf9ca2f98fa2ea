# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""A short game played with the keyboard alone while Orca listens, as a player who cannot
see the screen plays it: the help window read out, the minutes typed, the falling
characters asked for with F3 and typed, pause and resume, the verdict,
a second game stopped. What Orca spoke (its debug file has the exact strings) must carry
the game: its start and length, the hits, the seconds left, pause, resume and stop, the
verdict, the help text and the main window's whole title, and no name the program uses
inside. What reached the speech server must be the same.

Run by orca_game_test.sh with Orca started; argv: the program's pid and main window."""
import os
import re
import subprocess
import sys
import time

SPOKEN = os.environ["ORCA_SPOKEN"]
DEBUG = os.environ["ORCA_DEBUG"]
MAIN_WINDOW_NAME = "Tappon  http://tappon.example.com/"
# The names the program uses inside, which no player should ever hear.
INTERNAL_NAME = re.compile(r"\b(frm[A-Za-z]+|Frm[a-z]+|(Label|Command|Picture|Text|Image|Line|Timer)\d+|cmd[A-Z][a-z]+)\b")
# What the field's description calls a character, back to the key that types it.
KEYS_BY_NAME = {"冒号": ":", "分号": ";", "小于号": "<", "等号": "=", "大于号": ">", "问号": "?", "at 符号": "@"}


class Failure(Exception):
    pass


def said():
    """What Orca has spoken so far, one utterance an item, as its debug file has it."""
    with open(DEBUG, encoding="utf-8", errors="replace") as log:
        return [m.group(1) for m in re.finditer(r" - SPEECH OUTPUT: '(.*?)' ?(?:\{.*\})?$", log.read(), re.M)]


def reached_speech():
    """What reached the speech server, one utterance a line."""
    with open(SPOKEN, encoding="utf-8", errors="replace") as spoken:
        return spoken.read().splitlines()


def wait_reached(text, seconds):
    """Waits until an utterance with the text has reached the speech server."""
    deadline = time.monotonic() + seconds
    while not any(text in line for line in reached_speech()):
        if time.monotonic() > deadline:
            raise Failure(f"{text!r} did not reach the speech server within {seconds} s: "
                          f"{reached_speech()}")
        time.sleep(0.05)


class Transcript:
    """What Orca spoke since a mark."""

    def __init__(self):
        self.start = len(said())

    def since(self):
        return said()[self.start:]

    def wait_for(self, pattern, seconds, what):
        """Waits for an utterance since the mark that matches the regex; returns its match."""
        deadline = time.monotonic() + seconds
        while True:
            for utterance in self.since():
                found = re.search(pattern, utterance)
                if found:
                    return found
            if time.monotonic() > deadline:
                raise Failure(f"Orca did not speak {what} within {seconds} s; it spoke {self.since()}")
            time.sleep(0.1)


def keys(window, *names):
    subprocess.run(["xdotool", "windowfocus", "--sync", window], capture_output=True)
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "80", *names], check=True)


def type_text(window, text):
    subprocess.run(["xdotool", "windowfocus", "--sync", window], capture_output=True)
    subprocess.run(["xdotool", "type", "--delay", "80", text], check=True)


def focused_window():
    return subprocess.run(["xdotool", "getwindowfocus"], capture_output=True, text=True).stdout.strip()


def tab_to(window, name):
    """Presses Tab until Orca speaks the control's name, as a player finds a control."""
    for _ in range(6):
        heard = Transcript()
        keys(window, "Tab")
        try:
            return heard.wait_for(re.escape(name), 1.5, name)
        except Failure:
            pass
    raise Failure(f"no Tab reached {name}")


def lowest_character(window):
    """Asks the game with F3 which characters fall: the lowest of them, or None while
    none falls."""
    heard = Transcript()
    keys(window, "F3")
    found = heard.wait_for(r"没有下落的字符|下落的字符，从低到高：([^，.']+)", 3, "the falling characters")
    if not found.group(1):
        return None
    name = found.group(1).strip()
    if name.startswith("大写 "):
        return name[len("大写 "):]
    return KEYS_BY_NAME.get(name, name)


def play(window):
    # The main window is read by its whole title, however far the banner has typed it.
    if not any(MAIN_WINDOW_NAME in utterance for utterance in said()):
        raise Failure(f"the main window was not named {MAIN_WINDOW_NAME!r}: {said()}")

    # F1: the help window opens and is read out, all of it; Esc closes it.
    heard = Transcript()
    keys(window, "F1")
    heard.wait_for("帮助", 3, "the help window's name")
    for line in ("1.练习时必须将输入法切换到 EN 状态.", "3.本程序只是测试的是你在单位时间内,", "点击或ESC键返回"):
        heard.wait_for(re.escape(line), 3, f"the help text {line!r}")
    time.sleep(0.5)
    keys(focused_window(), "Escape")
    heard.wait_for(re.escape(MAIN_WINDOW_NAME), 4, "the main window again after the help window")

    # The minutes: Tab to the box (its text is selected), type 0.2, F2 starts.
    tab_to(window, "分钟数")
    type_text(window, "0.2")
    heard = Transcript()
    keys(window, "F2")
    heard.wait_for("开始，共 12 秒", 3, "the start and the length of the game")

    # The field tells how to ask which characters fall.
    heard.wait_for("按 F3 听正在下落的字符", 3, "the field's hint")
    # Two hits: the lowest character, asked for and typed; each hit says the new count.
    hits = 0
    deadline = time.monotonic() + 7
    while hits < 2 and time.monotonic() < deadline:
        character = lowest_character(window)
        if character is None:
            time.sleep(0.3)
            continue
        heard = Transcript()
        type_text(window, character)
        try:
            # One key hits every letter that shows it: the count may leap.
            hits = int(heard.wait_for(r"得分 (\d+)", 1.5, f"a hit after {hits}").group(1))
        except Failure:
            continue  # it fell out of the field first
        # The player hears the count out before the next key, whose echo would cut it short.
        wait_reached(f"得分 {hits}", 2)
    if hits < 2:
        raise Failure(f"only {hits} hits in 7 s; Orca spoke {said()[-30:]}")
    heard = Transcript()
    keys(window, "ctrl+p")
    heard.wait_for("暂停", 2, "the pause")
    time.sleep(0.5)
    keys(window, "F2")
    heard.wait_for("继续", 2, "the resumption")

    # The last seconds, then the verdict: two hits of a target of six.
    heard.wait_for("还剩 5 秒", 10, "five seconds left")
    heard.wait_for("还剩 1 秒", 6, "one second left")
    heard.wait_for("Harder！", 4, "the verdict's title")
    heard.wait_for("You are a loser man！", 2, "the verdict")
    time.sleep(0.5)
    keys(focused_window(), "Return")

    # A second game, stopped with its button.
    heard = Transcript()
    keys(window, "F2")
    heard.wait_for("开始，共 12 秒", 3, "the second game's start")
    tab_to(window, "结束")
    heard = Transcript()
    keys(window, "space")
    heard.wait_for("游戏结束", 2, "the stop")


def check_transcript():
    spoken = said()
    # Ten seconds left is said two seconds into the game.
    for expected in ("还剩 10 秒",):
        if not any(expected in utterance for utterance in spoken):
            raise Failure(f"Orca never spoke {expected!r}")
    internal = [u for u in spoken if INTERNAL_NAME.search(u)]
    if internal:
        raise Failure(f"Orca spoke internal names: {internal}")
    # The main window only ever by its whole title: no slice of the banner.
    slices = [u for u in spoken if "Tapp" in u and not re.fullmatch(
        rf"(Tappon|{re.escape(MAIN_WINDOW_NAME)}|关于-Tappon)( frame| dialog)?\.?", u)]
    if slices:
        raise Failure(f"Orca spoke a window by a slice of its title: {slices}")
    # The speech server received what Orca spoke, the last of it a moment after Orca sent it.
    for expected in ("得分 ", "还剩 1 秒", "游戏结束"):
        wait_reached(expected, 3)


def main():
    window = sys.argv[2]
    try:
        play(window)
        check_transcript()
    except Failure as error:
        print(f"FAILED: {error}")
        return 1
    finally:
        print("--- what Orca spoke ---")
        for utterance in said():
            print(f"    {utterance}")
    print("PASSED")
    return 0


sys.exit(main())
