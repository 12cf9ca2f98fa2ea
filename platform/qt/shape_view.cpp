// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/shape_view.h"

#include "platform/qt/form_view.h"
#include "platform/qt/qt_colors.h"

#include <QPainter>

namespace tappon {

ShapeView::ShapeView(FormView& owner, Shape& shape, QWidget* parent)
    : QWidget(parent), ControlView(owner, shape), shape_(shape)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ShapeView::apply(Property property)
{
    if (property == Property::BorderColor) {
        update();
        return;
    }
    ControlView::apply(property);
}

void ShapeView::paintEvent(QPaintEvent*)
{
    if (!owner().liveForm())
        return;
    QPainter painter(this);
    if (shape_.filled())
        painter.fillRect(rect(), toQColor(shape_.fillColor(), palette()));
    const int border = shape_.borderWidthPixels();
    if (border <= 0)
        return;
    const QColor color = toQColor(shape_.borderColor(), palette());
    // Four bands inside the box, so a thick border never spills over its edge.
    const int w = width();
    const int h = height();
    painter.fillRect(0, 0, w, qMin(border, h), color);
    painter.fillRect(0, qMax(0, h - border), w, qMin(border, h), color);
    painter.fillRect(0, 0, qMin(border, w), h, color);
    painter.fillRect(qMax(0, w - border), 0, qMin(border, w), h, color);
}

}  // namespace tappon
