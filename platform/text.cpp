// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/text.h"

namespace tappon {

namespace {

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

}  // namespace

std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text)
        if (!isContinuation(static_cast<unsigned char>(c)))
            ++count;
    return count;
}

std::string leftCharacters(std::string_view text, std::size_t count)
{
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isContinuation(static_cast<unsigned char>(text[i]))) {
            if (seen == count)
                return std::string(text.substr(0, i));
            ++seen;
        }
    }
    return std::string(text);
}

std::string characterOf(std::uint16_t code)
{
    std::uint32_t cp = code;
    if (cp >= 0xD800 && cp <= 0xDFFF)
        cp = 0xFFFD;
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

}  // namespace tappon
