// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/window/form_pictures.h"

#include "platform/controls/button.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/picture_box.h"
#include "platform/window/form.h"

namespace tappon {

namespace {

const Picture* pictureOf(const Control& control)
{
    switch (control.kind()) {
    case ControlKind::Button:
        return &static_cast<const Button&>(control).picture();
    case ControlKind::Image:
        return &static_cast<const Image&>(control).picture();
    case ControlKind::PictureBox:
        return &static_cast<const PictureBox&>(control).picture();
    case ControlKind::Label:
        return &static_cast<const Label&>(control).mouseIcon();
    default:
        return nullptr;
    }
}

}  // namespace

std::vector<Picture> picturesOf(const Form& form)
{
    std::vector<Picture> pictures{form.icon(), Picture{form.design().backPicture}};
    for (const auto& control : form.controls())
        if (const Picture* picture = pictureOf(*control))
            pictures.push_back(*picture);
    std::erase_if(pictures, [](const Picture& picture) { return picture.empty(); });
    return pictures;
}

}  // namespace tappon
