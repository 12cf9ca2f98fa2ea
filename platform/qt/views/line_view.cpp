// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/views/line_view.h"

#include "platform/design/twips.h"
#include "platform/qt/appearance/qt_colors.h"
#include "platform/window/form.h"

#include <QPainter>

#include <algorithm>

namespace tappon {

LineView::LineView(const ControlViewOwner& owner, Line& line, QWidget* parent)
    : QWidget(parent), ControlView(owner, line), line_(line)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

int LineView::margin() const
{
    return std::max(1, line_.widthPixels());
}

void LineView::applyGeometry()
{
    const int x1 = twipsToPixels(line_.x1());
    const int y1 = twipsToPixels(line_.y1());
    const int x2 = twipsToPixels(line_.x2());
    const int y2 = twipsToPixels(line_.y2());
    const int pad = margin();
    setGeometry(std::min(x1, x2) - pad, std::min(y1, y2) - pad, std::abs(x2 - x1) + 2 * pad + 1,
                std::abs(y2 - y1) + 2 * pad + 1);
}

void LineView::paintEvent(QPaintEvent*)
{
    if (!liveForm())
        return;
    const int x1 = twipsToPixels(line_.x1());
    const int y1 = twipsToPixels(line_.y1());
    const int x2 = twipsToPixels(line_.x2());
    const int y2 = twipsToPixels(line_.y2());
    const QPoint corner(std::min(x1, x2) - margin(), std::min(y1, y2) - margin());
    QPainter painter(this);
    QPen pen(toQColor(line_.color(), palette()));
    pen.setWidth(line_.widthPixels());
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(QPoint(x1, y1) - corner, QPoint(x2, y2) - corner);
}

}  // namespace tappon
