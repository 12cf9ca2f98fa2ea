// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/image.h"
#include "platform/qt/views/control_view.h"

#include <QWidget>

namespace tappon {

// An image: its picture stretched to its box, or at the picture's own size, which
// then becomes the control's size.
class ImageView final : public QWidget, public ControlView {
public:
    ImageView(const ControlViewOwner& owner, Image& image, QWidget* parent);

    QWidget* widget() override { return this; }
    void syncAll() override;

protected:
    void apply(Property property) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitToPicture();

    Image& image_;
};

}  // namespace tappon
