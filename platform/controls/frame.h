// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/control.h"
#include "platform/design/color.h"

#include <string>

namespace tappon {

// A frame: a container drawn with the toolkit's outline, optionally captioned.
class Frame : public Control {
public:
    Frame(Form& form, std::string name, int index) : Control(form, ControlKind::Frame, std::move(name), index) {}

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption)
    {
        caption_ = std::move(caption);
        changed(Property::Caption);
    }
    Color backColor() const { return backColor_; }
    void setBackColor(Color color)
    {
        backColor_ = color;
        changed(Property::BackColor);
    }

private:
    std::string caption_;
    Color backColor_ = Color::fromSystem(SystemColor::ButtonFace);
};

}  // namespace tappon
