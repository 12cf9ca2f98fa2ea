// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/control.h"
#include "platform/design/color.h"

namespace tappon {

// A straight line from (x1, y1) to (x2, y2) in its container's coordinates.
class Line : public Control {
public:
    Line(Form& form, std::string name, int index) : Control(form, ControlKind::Line, std::move(name), index) {}

    Twips x1() const { return x1_; }
    Twips y1() const { return y1_; }
    Twips x2() const { return x2_; }
    Twips y2() const { return y2_; }
    void setPoints(Twips x1, Twips y1, Twips x2, Twips y2);

    Color color() const { return color_; }
    void setColor(Color color)
    {
        color_ = color;
        changed(Property::ForeColor);
    }
    int widthPixels() const { return widthPixels_; }
    void setWidthPixels(int width)
    {
        widthPixels_ = width;
        changed(Property::ForeColor);
    }

private:
    Twips x1_ = 0;
    Twips y1_ = 0;
    Twips x2_ = 0;
    Twips y2_ = 0;
    Color color_ = Color::rgb(0, 0, 0);
    int widthPixels_ = 1;
};

}  // namespace tappon
