// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/button_view.h"

#include "platform/qt/form_view.h"
#include "platform/qt/picture_cache.h"
#include "platform/qt/qt_colors.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace tappon {

ButtonView::ButtonView(FormView& owner, Button& button, QWidget* parent)
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
    setIconSize(picture.size());
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
        owner().deliverKey(*event);
    } else if (key == Qt::Key_Space) {
        QPushButton::keyPressEvent(event);
    } else {
        owner().deliverKey(*event);
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

}  // namespace tappon
