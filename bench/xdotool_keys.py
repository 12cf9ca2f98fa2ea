# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""Keys typed from outside with xdotool."""

import os
import subprocess


def xdo(display, *args):
    return subprocess.run(["xdotool"] + list(args), env=dict(os.environ, DISPLAY=display),
                          capture_output=True, text=True).stdout.strip()


def key_name(ch):
    if ch.isascii() and ch.isalnum():
        return ch
    names = {" ": "space", ".": "period", ",": "comma", ";": "semicolon", "/": "slash", "-": "minus",
             "=": "equal", "'": "apostrophe", "[": "bracketleft", "]": "bracketright", "\\": "backslash",
             "`": "grave", "!": "exclam", "@": "at", "#": "numbersign", "$": "dollar", "%": "percent",
             "^": "asciicircum", "&": "ampersand", "*": "asterisk", "(": "parenleft", ")": "parenright",
             "+": "plus", "?": "question", ":": "colon", "<": "less", ">": "greater", "_": "underscore"}
    return names.get(ch)
