// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/views/frame_view.h"

#include "platform/qt/appearance/qt_colors.h"
#include "platform/window/form.h"

#include <QPainter>

namespace tappon {

FrameView::FrameView(const ControlViewOwner& owner, Frame& frame, QWidget* parent)
    : QFrame(parent), ControlView(owner, frame), frame_(frame)
{
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setLineWidth(1);
    setFocusPolicy(Qt::NoFocus);
}

void FrameView::syncAll()
{
    setFont(owner().font);
    ControlView::syncAll();
}

void FrameView::paintEvent(QPaintEvent* event)
{
    if (!liveForm())
        return;
    {
        QPainter painter(this);
        painter.fillRect(rect(), toQColor(frame_.backColor(), palette()));
    }
    QFrame::paintEvent(event);
    if (frame_.caption().empty())
        return;
    QPainter painter(this);
    const QString caption = QString::fromStdString(frame_.caption());
    const QRect textRect = fontMetrics().boundingRect(caption).translated(8, fontMetrics().ascent());
    painter.fillRect(textRect.adjusted(-2, 0, 2, 0), toQColor(frame_.backColor(), palette()));
    painter.drawText(8, fontMetrics().ascent(), caption);
}

}  // namespace tappon
