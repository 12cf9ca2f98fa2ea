// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/client_area.h"

#include "platform/qt/form_view.h"
#include "platform/qt/picture_cache.h"
#include "platform/qt/qt_colors.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tappon {

ClientArea::ClientArea(FormView& owner, QWidget* parent) : QWidget(parent), owner_(owner)
{
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
}

void ClientArea::setBackColor(const QColor& color)
{
    QPalette palette = this->palette();
    setPaletteColor(palette, QPalette::Window, color);
    setPalette(palette);
}

void ClientArea::paintEvent(QPaintEvent*)
{
    const Form* form = owner_.liveForm();
    if (!form || form->design().backPicture.empty())
        return;
    // The back picture at its own size from the top-left corner, cut off at the edges.
    QPainter painter(this);
    painter.drawPixmap(0, 0, PictureCache::instance().pixmap(Picture{form->design().backPicture}));
}

void ClientArea::mousePressEvent(QMouseEvent* event)
{
    owner_.input().deliverFormMouseDown(*event);
    event->accept();
}

void ClientArea::keyPressEvent(QKeyEvent* event)
{
    owner_.input().deliverKey(*event);
    event->accept();
}

void ClientArea::inputMethodEvent(QInputMethodEvent* event)
{
    owner_.input().deliverCommitString(event->commitString());
    event->accept();
}

QVariant ClientArea::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImEnabled)
        return true;
    return QWidget::inputMethodQuery(query);
}

}  // namespace tappon
