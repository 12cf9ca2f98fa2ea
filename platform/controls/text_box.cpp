// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/controls/text_box.h"

#include "platform/values/text.h"

namespace tappon {

void TextBox::setText(std::string text)
{
    text_ = clamp(std::move(text));
    changed(Property::Text);
}

std::string TextBox::clamp(std::string text) const
{
    if (maxLength_ > 0)
        return leftCharacters(text, maxLength_);
    return text;
}

}  // namespace tappon
