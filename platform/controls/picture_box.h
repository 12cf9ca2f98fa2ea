// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/control.h"
#include "platform/design/color.h"
#include "platform/design/picture.h"

namespace tappon {

// A picture box: a bordered container that paints its picture at the picture's own size
// from its top-left corner and its back colour elsewhere. It can take the focus.
class PictureBox : public Control {
public:
    PictureBox(Form& form, std::string name, int index) : Control(form, ControlKind::PictureBox, std::move(name), index)
    {
    }

    Color backColor() const { return backColor_; }
    void setBackColor(Color color)
    {
        backColor_ = color;
        changed(Property::BackColor);
    }
    const Picture& picture() const { return picture_; }
    void setPicture(Picture picture)
    {
        picture_ = std::move(picture);
        changed(Property::Picture);
    }
    // A fixed single 3-D border, 2 pixels wide, inside the control's outer size.
    bool bordered() const { return bordered_; }
    void setBordered(bool bordered) { bordered_ = bordered; }

private:
    Color backColor_ = Color::fromSystem(SystemColor::ButtonFace);
    Picture picture_;
    bool bordered_ = true;
};

}  // namespace tappon
