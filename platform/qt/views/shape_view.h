// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/shape.h"
#include "platform/qt/views/control_view.h"

#include <QWidget>

namespace tappon {

// A rectangle: its border drawn at the border's pixel width, centred on the box's
// outline (so a box one pixel high with a 2-pixel border shows as a bar 2 pixels
// thick), and an optional fill. Mouse presses go through it to whatever lies below.
class ShapeView final : public QWidget, public ControlView {
public:
    ShapeView(const ControlViewOwner& owner, Shape& shape, QWidget* parent);

    QWidget* widget() override { return this; }

protected:
    void apply(Property property) override;
    void paintEvent(QPaintEvent* event) override;
    void applyGeometry() override;

private:
    Shape& shape_;
};

}  // namespace tappon
