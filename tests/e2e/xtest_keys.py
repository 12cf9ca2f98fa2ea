# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""Sends random letter and digit keys to the focused X window through the XTest
extension at a steady rate, and prints how many it sent and the rate it reached.
Usage: xtest_keys.py <keys-per-second> <seconds> [seed]
Only libX11 and libXtst are needed (through ctypes), no Python X library."""
import ctypes
import random
import sys
import time

rate, seconds = float(sys.argv[1]), float(sys.argv[2])
chooser = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 1)

x11 = ctypes.CDLL("libX11.so.6")
xtest = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XStringToKeysym.restype = ctypes.c_ulong
x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
x11.XKeysymToKeycode.restype = ctypes.c_ubyte
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
xtest.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]

display = x11.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the display")
codes = [x11.XKeysymToKeycode(display, x11.XStringToKeysym(c.encode()))
         for c in "abcdefghijklmnopqrstuvwxyz0123456789"]
codes = [c for c in codes if c]

start = time.perf_counter()
sent = 0
while True:
    now = time.perf_counter()
    if now - start >= seconds:
        break
    due = int((now - start) * rate) + 1
    while sent < due:
        code = chooser.choice(codes)
        xtest.XTestFakeKeyEvent(display, code, 1, 0)
        xtest.XTestFakeKeyEvent(display, code, 0, 0)
        sent += 1
    # A round trip now and then keeps the requests from piling up in the client.
    if sent % 100 < 2:
        x11.XSync(display, 0)
    else:
        x11.XFlush(display)
    time.sleep(max(0.0, start + (sent + 1) / rate - time.perf_counter()))
x11.XSync(display, 0)
elapsed = time.perf_counter() - start
x11.XCloseDisplay(display)
print(f"sent {sent} keys in {elapsed:.2f} s: {sent / elapsed:.0f} keys/s")
