// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <QWidget>

namespace tappon {

class FormInput;
class MirroredForm;

// A window's client area, below its menu bar: the back colour and back picture, the
// parent of the controls placed directly on the window, and the receiver of keys and
// mouse presses that no control takes.
class ClientArea : public QWidget {
public:
    ClientArea(const MirroredForm& form, FormInput& input, QWidget* parent);

    void setBackColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

private:
    const MirroredForm& form_;
    FormInput& input_;
};

}  // namespace tappon
