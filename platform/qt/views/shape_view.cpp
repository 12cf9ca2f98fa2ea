// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/views/shape_view.h"

#include "platform/design/twips.h"
#include "platform/qt/appearance/qt_colors.h"
#include "platform/window/form.h"

#include <QPainter>

#include <algorithm>

namespace tappon {

ShapeView::ShapeView(const ControlViewOwner& owner, Shape& shape, QWidget* parent)
    : QWidget(parent), ControlView(owner, shape), shape_(shape)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ShapeView::apply(Property property)
{
    if (property == Property::BorderColor) {
        applyGeometry();  // the border's width may have changed how far it reaches
        update();
        return;
    }
    ControlView::apply(property);
}

void ShapeView::applyGeometry()
{
    // The pen runs through the outermost pixels of the box: a wider one reaches past
    // them by half its width, an even width one pixel further on the top and left.
    const int border = std::max(shape_.borderWidthPixels(), 1);
    const int before = border / 2;
    const int after = (border - 1) / 2;
    setGeometry(QRect(twipsToPixels(shape_.left()), twipsToPixels(shape_.top()), twipsToPixels(shape_.width()),
                      twipsToPixels(shape_.height()))
                    .adjusted(-before, -before, after, after));
}

void ShapeView::paintEvent(QPaintEvent*)
{
    if (!liveForm())
        return;
    QPainter painter(this);
    if (shape_.filled())
        painter.fillRect(rect(), toQColor(shape_.fillColor(), palette()));
    const int border = shape_.borderWidthPixels();
    if (border <= 0)
        return;
    const QColor color = toQColor(shape_.borderColor(), palette());
    // Four bands along the edges of the widget, which holds the box and its border.
    const int w = width();
    const int h = height();
    painter.fillRect(0, 0, w, qMin(border, h), color);
    painter.fillRect(0, qMax(0, h - border), w, qMin(border, h), color);
    painter.fillRect(0, 0, qMin(border, w), h, color);
    painter.fillRect(qMax(0, w - border), 0, qMin(border, w), h, color);
}

}  // namespace tappon
