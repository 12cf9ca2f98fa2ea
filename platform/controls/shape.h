// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/control.h"
#include "platform/design/color.h"

namespace tappon {

// A rectangle shape with a border of a given pixel width and an optional solid fill.
class Shape : public Control {
public:
    Shape(Form& form, std::string name, int index) : Control(form, ControlKind::Shape, std::move(name), index) {}

    Color borderColor() const { return borderColor_; }
    void setBorderColor(Color color)
    {
        borderColor_ = color;
        changed(Property::BorderColor);
    }
    Color fillColor() const { return fillColor_; }
    void setFillColor(Color color)
    {
        fillColor_ = color;
        changed(Property::BackColor);
    }
    bool filled() const { return filled_; }
    void setFilled(bool filled)
    {
        filled_ = filled;
        changed(Property::BackColor);
    }
    int borderWidthPixels() const { return borderWidthPixels_; }
    void setBorderWidthPixels(int width)
    {
        borderWidthPixels_ = width;
        changed(Property::BorderColor);
    }

private:
    Color borderColor_ = Color::rgb(0, 0, 0);
    Color fillColor_ = Color::rgb(255, 255, 255);
    bool filled_ = false;
    int borderWidthPixels_ = 1;
};

}  // namespace tappon
