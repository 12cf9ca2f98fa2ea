// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/qt/control_view.h"
#include "platform/shape.h"

#include <QWidget>

namespace tappon {

// A rectangle: its border drawn inside its box at the border's pixel width, and an
// optional fill. Mouse presses go through it to whatever lies below.
class ShapeView final : public QWidget, public ControlView {
public:
    ShapeView(FormView& owner, Shape& shape, QWidget* parent);

    QWidget* widget() override { return this; }

protected:
    void apply(Property property) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Shape& shape_;
};

}  // namespace tappon
