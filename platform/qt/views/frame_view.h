// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/frame.h"
#include "platform/qt/views/control_view.h"

#include <QFrame>

namespace tappon {

// A frame: a container filled with its back colour inside the toolkit's outline, with
// its caption, if any, at the top left.
class FrameView final : public QFrame, public ControlView {
public:
    FrameView(const ControlViewOwner& owner, Frame& frame, QWidget* parent);

    QWidget* widget() override { return this; }
    void syncAll() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Frame& frame_;
};

}  // namespace tappon
