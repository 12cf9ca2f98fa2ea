// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <Qt>

class QPainter;
class QPalette;
class QRect;

namespace tappon {

struct FormDesign;

// How a design's window meets the window system: its window flags, whether it draws
// its own frame, and whether it is placed past the window manager.
struct WindowStyle {
    Qt::WindowFlags flags;
    bool drawsOwnFrame = false;
    // True for windows placed by absolute position without a title bar.
    bool bypassesWindowManager = false;
};

WindowStyle windowStyleOf(const FormDesign& design);

// The thickness of the fixed dialog frame that a window without a title bar draws.
inline constexpr int kDialogFramePixels = 3;

// Paints that frame inside the window's edge: a raised dialog frame.
void paintDialogFrame(QPainter& painter, const QRect& edge, const QPalette& colours);

}  // namespace tappon
