// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/control.h"
#include "platform/design/picture.h"

namespace tappon {

// An image: shows a picture, stretched to its box or (not stretched) at the picture's
// own size, in which case the toolkit reports that size back.
class Image : public Control {
public:
    Image(Form& form, std::string name, int index) : Control(form, ControlKind::Image, std::move(name), index) {}

    const Picture& picture() const { return picture_; }
    void setPicture(Picture picture)
    {
        picture_ = std::move(picture);
        changed(Property::Picture);
    }
    bool stretch() const { return stretch_; }
    void setStretch(bool stretch) { stretch_ = stretch; }

private:
    Picture picture_;
    bool stretch_ = false;
};

}  // namespace tappon
