// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/control.h"
#include "platform/design/color.h"
#include "platform/design/font.h"
#include "platform/design/picture.h"

#include <optional>
#include <string>

namespace tappon {

// A push button, with a caption or (graphical style) a picture instead of one.
class Button : public Control {
public:
    Button(Form& form, std::string name, int index) : Control(form, ControlKind::Button, std::move(name), index) {}

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption)
    {
        caption_ = std::move(caption);
        changed(Property::Caption);
    }
    const Picture& picture() const { return picture_; }
    void setPicture(Picture picture)
    {
        picture_ = std::move(picture);
        changed(Property::Picture);
    }
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(std::string toolTip) { toolTip_ = std::move(toolTip); }
    const std::optional<Color>& backColor() const { return backColor_; }
    void setBackColor(Color color)
    {
        backColor_ = color;
        changed(Property::BackColor);
    }
    const std::optional<Font>& font() const { return font_; }
    void setFont(Font font)
    {
        font_ = std::move(font);
        changed(Property::Font);
    }

    // Enter presses the default button, Esc the cancel button (the form routes them).
    bool isDefault() const { return isDefault_; }
    void setDefault(bool isDefault) { isDefault_ = isDefault; }
    bool isCancel() const { return isCancel_; }
    void setCancel(bool isCancel) { isCancel_ = isCancel; }

private:
    std::string caption_;
    Picture picture_;
    std::string toolTip_;
    std::optional<Color> backColor_;
    std::optional<Font> font_;
    bool isDefault_ = false;
    bool isCancel_ = false;
};

}  // namespace tappon
