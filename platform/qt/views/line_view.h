// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/line.h"
#include "platform/qt/views/control_view.h"

#include <QWidget>

namespace tappon {

// A straight line, drawn on a transparent widget that covers the line's box and the
// pen's width around it. Mouse presses go through it.
class LineView final : public QWidget, public ControlView {
public:
    LineView(const ControlViewOwner& owner, Line& line, QWidget* parent);

    QWidget* widget() override { return this; }

protected:
    void applyGeometry() override;
    void paintEvent(QPaintEvent* event) override;

private:
    int margin() const;

    Line& line_;
};

}  // namespace tappon
