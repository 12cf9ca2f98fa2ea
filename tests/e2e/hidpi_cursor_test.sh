#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# On a screen scaled 2x the about window's links show the hand pointer drawn at 2x,
# and a click lands where its fingertip is drawn: the X server's pointer is 64 pixels
# square and its hot spot is an opaque pixel at the top of the pointing finger.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
source "$here/x11_session.sh"
source "$here/game_session.sh"
/usr/bin/python3 -c 'import Xlib.ext.xfixes' 2>/dev/null || e2e_skip "python3-xlib is not installed"

e2e_start_x
export QT_SCALE_FACTOR=2
game_launch "$program" "$E2E_TMP/program.log" || e2e_fail "no main window: $(cat "$E2E_TMP/program.log")"
about=$(game_open_about) || e2e_fail "the about window did not open"
eval "$(xdotool getwindowgeometry --shell "$about")"
# Over the web site link: (80, 156) in the client area, in logical pixels.
xdotool mousemove "$(( X + 2 * 80 ))" "$(( Y + 2 * 156 ))"
sleep 0.5

/usr/bin/python3 - <<'PY' || e2e_fail "the hand pointer is not the 2x one pointing from its fingertip"
import sys
from Xlib import display
from Xlib.ext import xfixes  # noqa: F401  (registers the extension's requests)

d = display.Display()
d.xfixes_query_version()
cursor = d.xfixes_get_cursor_image(d.screen().root)
w, h, x, y = cursor.width, cursor.height, cursor.xhot, cursor.yhot
pixels = cursor.cursor_image
opaque = lambda px, py: 0 <= px < w and 0 <= py < h and (pixels[py * w + px] >> 24) >= 128
print(f"pointer {w}x{h}, hot spot ({x}, {y}), opaque there: {opaque(x, y)}")
top = min(py for py in range(h) for px in range(w) if opaque(px, py))
ok = (w, h) == (64, 64) and opaque(x, y) and y == top
sys.exit(0 if ok else 1)
PY
echo "PASSED"
