# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""A picture of KWin's whole screen, window decorations included, taken by KWin itself
(its decorations are drawn by the compositor, not on the X server). KWin must run with
KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1: the test is no desktop application it knows."""
import os
import subprocess

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402


def kwin_screenshot(bus_address, path):
    flags = Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION
    bus = Gio.DBusConnection.new_for_address_sync(bus_address, flags, None, None)
    read_end, write_end = os.pipe()
    fds = Gio.UnixFDList.new()
    fds.append(write_end)
    os.close(write_end)
    reply, _ = bus.call_with_unix_fd_list_sync(
        "org.kde.KWin", "/org/kde/KWin/ScreenShot2", "org.kde.KWin.ScreenShot2", "CaptureWorkspace",
        GLib.Variant("(a{sv}h)", ({}, 0)), GLib.VariantType("(a{sv})"), Gio.DBusCallFlags.NONE, 5000, fds, None)
    for fd in fds.steal_fds():  # KWin writes until its copy closes: ours must close too
        os.close(fd)
    with os.fdopen(read_end, "rb") as pipe:
        pixels = pipe.read()
    info = reply.unpack()[0]
    # Format 6 is QImage::Format_ARGB32_Premultiplied: B, G, R, A in memory.
    subprocess.run(["convert", "-size", f"{info['stride'] // 4}x{info['height']}", "-depth", "8", "bgra:-",
                    "-crop", f"{info['width']}x{info['height']}+0+0", path], input=pixels, check=True)
