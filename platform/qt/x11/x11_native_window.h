// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <xcb/xcb.h>

class QWidget;

namespace tappon {

// The connection, window id and root window of a window that exists on an X server.
// Empty (no connection) off X11, and for a window not made natively yet: creating it
// here would fix its flags too early.
struct NativeWindow {
    xcb_connection_t* connection = nullptr;
    xcb_window_t id = 0;
    xcb_window_t root = 0;
};

NativeWindow nativeWindowOf(QWidget& window);

// The atom of a name, XCB_ATOM_NONE when the server does not answer: a round trip.
xcb_atom_t internAtom(xcb_connection_t* connection, const char* name);

}  // namespace tappon
