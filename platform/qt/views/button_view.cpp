// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/views/button_view.h"

#include "platform/qt/appearance/picture_cache.h"
#include "platform/qt/appearance/qt_colors.h"
#include "platform/qt/window/form_input.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace tappon {

ButtonView::ButtonView(const ControlViewOwner& owner, Button& button, QWidget* parent)
    : QPushButton(parent), ControlView(owner, button), button_(button)
{
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(button.tabIndex() >= 0 ? Qt::StrongFocus : Qt::NoFocus);
    connect(this, &QPushButton::clicked, this, [this] { deliverClick(); });
}

void ButtonView::syncAll()
{
    setFont(fontFor(button_.font()));
    setText(QString::fromStdString(button_.caption()));
    setToolTip(QString::fromStdString(button_.toolTip()));
    applyPicture();
    applyBackColor();
    ControlView::syncAll();
}

void ButtonView::apply(Property property)
{
    switch (property) {
    case Property::Caption:
        setText(QString::fromStdString(button_.caption()));
        break;
    case Property::Picture:
        applyPicture();
        break;
    case Property::BackColor:
        applyBackColor();
        break;
    case Property::Font:
        setFont(fontFor(button_.font()));
        break;
    default:
        ControlView::apply(property);
        break;
    }
}

void ButtonView::applyPicture()
{
    const QPixmap picture = PictureCache::instance().pixmap(button_.picture());
    if (picture.isNull()) {
        setIcon(QIcon());
        return;
    }
    setIcon(QIcon(picture));
    setIconSize(picture.deviceIndependentSize().toSize());
}

QPixmap ButtonView::greyedPicture(const QColor& face) const
{
    // The picture lies on the button's own grey: greyed, that ground stays the face's
    // colour, as the rest of the button, rather than paling into a lighter square.
    const QImage normal =
        icon().pixmap(iconSize(), devicePixelRatio()).toImage().convertToFormat(QImage::Format_ARGB32);
    QImage greyed =
        icon().pixmap(iconSize(), devicePixelRatio(), QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);
    if (greyed.size() != normal.size())
        return QPixmap::fromImage(greyed);
    const QRgb ground = face.rgba();
    for (int y = 0; y < normal.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(normal.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(greyed.scanLine(y));
        for (int x = 0; x < normal.width(); ++x)
            if (from[x] == ground)
                to[x] = ground;
    }
    return QPixmap::fromImage(greyed);
}

void ButtonView::applyBackColor()
{
    if (!button_.backColor())
        return;
    QPalette palette = this->palette();
    setPaletteColor(palette, QPalette::Button, toQColor(*button_.backColor(), palette));
    setPalette(palette);
}

void ButtonView::focusInEvent(QFocusEvent* event)
{
    reportFocusIn();
    QPushButton::focusInEvent(event);
}

void ButtonView::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        owner().input.deliverKey(*event);
    } else if (key == Qt::Key_Space) {
        QPushButton::keyPressEvent(event);
    } else {
        owner().input.deliverKey(*event);
        if (liveForm())
            QPushButton::keyPressEvent(event);
    }
    event->accept();
}

void ButtonView::mousePressEvent(QMouseEvent* event)
{
    deliverMouseDown(*event);
    if (liveForm())
        QPushButton::mousePressEvent(event);
}

void ButtonView::paintEvent(QPaintEvent* event)
{
    if (!button_.backColor()) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const bool sunken = isDown();
    const QBrush face = palette().brush(QPalette::Button);
    qDrawWinButton(&painter, rect(), palette(), sunken, &face);
    // The content moves a pixel right and down while the button is held.
    const QRect inside = rect().adjusted(2, 2, -2, -2).translated(sunken ? QPoint(1, 1) : QPoint());
    if (!icon().isNull()) {
        QRect target(QPoint(), iconSize());
        target.moveCenter(inside.center());
        painter.drawPixmap(target,
                           isEnabled() ? icon().pixmap(iconSize(), devicePixelRatio()) : greyedPicture(face.color()));
    }
    if (!text().isEmpty())
        style()->drawItemText(&painter, inside, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), text(),
                              QPalette::ButtonText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

}  // namespace tappon
