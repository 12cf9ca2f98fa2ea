// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/window/window_style.h"

#include "platform/design/design.h"

#include <QColor>
#include <QPainter>
#include <QPalette>
#include <QRect>

namespace tappon {

WindowStyle windowStyleOf(const FormDesign& design)
{
    WindowStyle style;
    const bool titleless = design.border == BorderStyle::FixedDialog && design.caption.empty();
    if (titleless) {
        // A dialog frame without a title bar is no window manager's: the window draws it.
        style.flags = (design.showInTaskbar ? Qt::Window : Qt::Tool) | Qt::FramelessWindowHint;
        style.drawsOwnFrame = true;
        // Only an unmanaged window may sit partly above the screen where it puts itself.
        if (design.startPosition == StartPosition::Manual) {
            style.flags |= Qt::X11BypassWindowManagerHint;
            style.bypassesWindowManager = true;
        }
    } else {
        style.flags = (design.showInTaskbar ? Qt::Window : Qt::Dialog) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (design.hasTitleBarButtons)
            style.flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    return style;
}

void paintDialogFrame(QPainter& painter, const QRect& edge, const QPalette& colours)
{
    // A light and a dark edge outside, a face-coloured ring in. Filled, not stroked: a
    // line is one screen pixel wide at any scale, a pixel of the window is two of them
    // on a screen scaled 2x.
    const auto ring = [&painter](QRect r, const QColor& topLeft, const QColor& bottomRight) {
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    };
    ring(edge, colours.color(QPalette::Midlight), colours.color(QPalette::Shadow));
    ring(edge.adjusted(1, 1, -1, -1), colours.color(QPalette::Light), colours.color(QPalette::Dark));
    for (int inset = 2; inset < kDialogFramePixels; ++inset) {
        const QColor face = colours.color(QPalette::Button);
        ring(edge.adjusted(inset, inset, -inset, -inset), face, face);
    }
}

}  // namespace tappon
