// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

class QString;
class QWidget;

namespace tappon {

// On X11 an empty window title is not left empty by the toolkit: it writes the
// program's name instead. This removes the title properties from the native window,
// so a window with an empty caption really has none. Elsewhere it does nothing.
void clearNativeWindowTitle(QWidget& window);

// Writes a title straight into the X11 title properties of a window that exists
// natively: _NET_WM_NAME and WM_NAME in one flush, or neither for an empty title. The
// toolkit writes the second through Xlib, with a flush and a wake-up of its own, which
// doubles the cost of a title that changes three times a second. The program is not
// told of its own write (no PropertyNotify comes back for it). The toolkit's own copy
// of the title (QWidget::windowTitle) is left as it was.
// Returns false and writes nothing where it cannot stand in for the toolkit: not on
// X11, no native window, or a title that the toolkit would not write as it stands
// (characters outside printable Latin-1, the "[*]" placeholder).
bool writeNativeWindowTitle(QWidget& window, const QString& title);

}  // namespace tappon
