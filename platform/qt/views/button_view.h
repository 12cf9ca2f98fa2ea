// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/button.h"
#include "platform/qt/views/control_view.h"

#include <QPushButton>

namespace tappon {

// A push button with a caption, or a picture centred at its own size. Qt's own default
// button handling stays off: Enter and Esc go to the form, which knows which button
// is the default and which the cancel one. A button with a face colour of its own shows
// it flat, inside a raised (or, while pressed, sunken) border, as the picture buttons
// are drawn: a style's shaded face would set the picture's own flat square apart.
class ButtonView final : public QPushButton, public ControlView {
public:
    ButtonView(const ControlViewOwner& owner, Button& button, QWidget* parent);

    QWidget* widget() override { return this; }
    void syncAll() override;

protected:
    void apply(Property property) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void applyPicture();
    void applyBackColor();
    QPixmap greyedPicture(const QColor& face) const;

    Button& button_;
};

}  // namespace tappon
