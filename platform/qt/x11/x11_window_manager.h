// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <QMargins>
#include <QPoint>

#include <optional>

class QWidget;

namespace tappon {

// What the program asks of an X11 window manager past the toolkit. Each does nothing
// (or answers nothing) off X11, for a window that does not exist natively, or where
// no window manager runs.

// The frame the window manager will put around a window that is not mapped yet: it is
// asked (_NET_REQUEST_FRAME_EXTENTS) and its answer awaited for a moment. Nothing when
// no window manager runs or it does not answer.
std::optional<QMargins> requestFrameExtents(QWidget& window);

// The frame the window manager has put around a window (_NET_FRAME_EXTENTS).
std::optional<QMargins> frameExtents(QWidget& window);

// Makes the window see-through, or no longer, where a compositor draws the windows
// (_NET_WM_WINDOW_OPACITY 0, or none): a window is not seen in a place it is about to
// leave.
void setSeeThrough(QWidget& window, bool seeThrough);

// Where the window's client area stands on the screen as the X server has it, in the
// window's own pixels.
std::optional<QPoint> clientPositionOnScreen(QWidget& window);

// True while a window manager runs on the window's screen.
bool windowManagerRuns(QWidget& window);

// Tells the window manager what a fixed-size window with a title bar offers: moving,
// closing and, where asked, minimising; no resizing or maximising (_MOTIF_WM_HINTS
// functions). The toolkit always offers resizing there.
void offerFixedSizeActions(QWidget& window, bool minimisable);

// Gives the X input focus to a mapped window directly, as the window manager would.
// Without one, nobody else does: keys would follow the pointer.
void setInputFocus(QWidget& window);

}  // namespace tappon
