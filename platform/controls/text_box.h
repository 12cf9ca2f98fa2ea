// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/control.h"
#include "platform/design/font.h"

#include <optional>
#include <string>

namespace tappon {

// A one-line text box. The toolkit edits the text and reports each change back.
class TextBox : public Control {
public:
    TextBox(Form& form, std::string name, int index) : Control(form, ControlKind::TextBox, std::move(name), index) {}

    const std::string& text() const { return text_; }
    void setText(std::string text);
    // The player edited the text in the toolkit's widget: no echo back to it.
    void setTextFromInput(std::string text) { text_ = clamp(std::move(text)); }

    // At most this many characters (0: no limit). Applies to typing and to setText.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int maxLength) { maxLength_ = maxLength; }

    const std::optional<Font>& font() const { return font_; }
    void setFont(Font font)
    {
        font_ = std::move(font);
        changed(Property::Font);
    }

private:
    std::string clamp(std::string text) const;

    std::string text_;
    int maxLength_ = 0;
    std::optional<Font> font_;
};

}  // namespace tappon
