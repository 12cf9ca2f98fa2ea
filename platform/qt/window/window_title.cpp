// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/window/window_title.h"

#include "platform/qt/x11/x11_window_title.h"

#include <QWidget>

namespace tappon {

WindowTitle::WindowTitle(QWidget& window) : window_(window)
{
    QAccessible::installActivationObserver(this);
}

WindowTitle::~WindowTitle()
{
    QAccessible::removeActivationObserver(this);
}

void WindowTitle::set(const QString& caption)
{
    caption_ = caption;
    if (window_.isVisible() && !QAccessible::isActive() && writeNativeWindowTitle(window_, caption_)) {
        toolkitBehind_ = true;
        return;
    }
    toolkitBehind_ = false;
    window_.setWindowTitle(caption_);
    if (caption_.isEmpty())
        clearNativeWindowTitle(window_);
}

void WindowTitle::catchUp()
{
    if (toolkitBehind_ && !stopped_)
        set(caption_);
}

void WindowTitle::clearNativeIfEmpty()
{
    if (caption_.isEmpty())
        clearNativeWindowTitle(window_);
}

void WindowTitle::accessibilityActiveChanged(bool active)
{
    if (active)
        catchUp();
}

}  // namespace tappon
