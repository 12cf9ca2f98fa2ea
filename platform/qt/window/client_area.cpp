// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/window/client_area.h"

#include "platform/qt/appearance/picture_cache.h"
#include "platform/qt/appearance/qt_colors.h"
#include "platform/qt/window/form_input.h"
#include "platform/qt/window/mirrored_form.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tappon {

ClientArea::ClientArea(const MirroredForm& form, FormInput& input, QWidget* parent)
    : QWidget(parent), form_(form), input_(input)
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
    const Form* form = form_.live();
    if (!form || form->design().backPicture.empty())
        return;
    // The back picture at its own size from the top-left corner, cut off at the edges.
    QPainter painter(this);
    painter.drawPixmap(0, 0, PictureCache::instance().pixmap(Picture{form->design().backPicture}));
}

void ClientArea::mousePressEvent(QMouseEvent* event)
{
    input_.deliverFormMouseDown(*event);
    event->accept();
}

void ClientArea::keyPressEvent(QKeyEvent* event)
{
    input_.deliverKey(*event);
    event->accept();
}

void ClientArea::inputMethodEvent(QInputMethodEvent* event)
{
    input_.deliverCommitString(event->commitString());
    event->accept();
}

QVariant ClientArea::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImEnabled)
        return true;
    return QWidget::inputMethodQuery(query);
}

}  // namespace tappon
