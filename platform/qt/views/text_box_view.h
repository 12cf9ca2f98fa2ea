// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/text_box.h"
#include "platform/qt/views/control_view.h"

#include <QLineEdit>

namespace tappon {

// A one-line text box. The player's edits go to the model as they happen; Enter and
// Esc go to the form, which presses its default or cancel button.
class TextBoxView final : public QLineEdit, public ControlView {
public:
    TextBoxView(const ControlViewOwner& owner, TextBox& box, QWidget* parent);

    QWidget* widget() override { return this; }
    void syncAll() override;

protected:
    void apply(Property property) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TextBox& box_;
};

}  // namespace tappon
