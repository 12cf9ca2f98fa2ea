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

// A label: one line of text. An auto-size label takes the size of its caption in its
// font (the toolkit measures and reports it); a transparent one paints only its text.
class Label : public Control {
public:
    Label(Form& form, std::string name, int index) : Control(form, ControlKind::Label, std::move(name), index) {}

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption)
    {
        if (caption == caption_)
            return;
        caption_ = std::move(caption);
        changed(Property::Caption);
    }

    Color foreColor() const { return foreColor_; }
    void setForeColor(Color color)
    {
        foreColor_ = color;
        changed(Property::ForeColor);
    }
    // Unset: the toolkit's default background (only painted when not transparent).
    const std::optional<Color>& backColor() const { return backColor_; }
    void setBackColor(Color color)
    {
        backColor_ = color;
        changed(Property::BackColor);
    }

    // Unset: the window's font.
    const std::optional<Font>& font() const { return font_; }
    void setFont(Font font)
    {
        font_ = std::move(font);
        changed(Property::Font);
    }

    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize) { autoSize_ = autoSize; }
    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent) { transparent_ = transparent; }

    // A custom mouse pointer picture (a cursor resource); empty: the normal pointer.
    const Picture& mouseIcon() const { return mouseIcon_; }
    void setMouseIcon(Picture icon)
    {
        mouseIcon_ = std::move(icon);
        changed(Property::MouseIcon);
    }

private:
    std::string caption_;
    Color foreColor_ = Color::fromSystem(SystemColor::WindowText);
    std::optional<Color> backColor_;
    std::optional<Font> font_;
    bool autoSize_ = false;
    bool transparent_ = false;
    Picture mouseIcon_;
};

}  // namespace tappon
