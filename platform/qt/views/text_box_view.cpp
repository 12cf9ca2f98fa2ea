// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/views/text_box_view.h"

#include "platform/qt/window/form_input.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace tappon {

TextBoxView::TextBoxView(const ControlViewOwner& owner, TextBox& box, QWidget* parent)
    : QLineEdit(parent), ControlView(owner, box), box_(box)
{
    setFocusPolicy(box.tabIndex() >= 0 ? Qt::StrongFocus : Qt::NoFocus);
    if (box_.maxLength() > 0)
        setMaxLength(box_.maxLength());
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (liveForm())
            box_.setTextFromInput(text.toStdString());
    });
}

void TextBoxView::syncAll()
{
    setFont(fontFor(box_.font()));
    setText(QString::fromStdString(box_.text()));
    ControlView::syncAll();
}

void TextBoxView::apply(Property property)
{
    switch (property) {
    case Property::Text:
        if (text().toStdString() != box_.text())
            setText(QString::fromStdString(box_.text()));
        break;
    case Property::Font:
        setFont(fontFor(box_.font()));
        break;
    default:
        ControlView::apply(property);
        break;
    }
}

void TextBoxView::focusInEvent(QFocusEvent* event)
{
    reportFocusIn();
    QLineEdit::focusInEvent(event);
}

void TextBoxView::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    owner().input.deliverKey(*event);
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape && liveForm())
        QLineEdit::keyPressEvent(event);
    event->accept();
}

void TextBoxView::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    deliverMouseDown(*event);
}

void TextBoxView::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        deliverClick();
}

}  // namespace tappon
