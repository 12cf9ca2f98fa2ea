// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/values/text.h"

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

std::vector<std::uint32_t> characterCodes(std::string_view text)
{
    std::vector<std::uint32_t> codes;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80             ? 1
                                   : (lead & 0xE0) == 0xC0 ? 2
                                   : (lead & 0xF0) == 0xE0 ? 3
                                   : (lead & 0xF8) == 0xF0 ? 4
                                                           : 0;
        bool valid = length > 0 && i + length <= text.size();
        std::uint32_t code = length == 1   ? lead
                             : length == 2 ? lead & 0x1Fu
                             : length == 3 ? lead & 0x0Fu
                                           : lead & 0x07u;
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = isContinuation(next);
            code = (code << 6) | (next & 0x3Fu);
        }
        if (valid) {
            codes.push_back(code);
            i += length;
        } else {
            codes.push_back(lead);
            ++i;
        }
    }
    return codes;
}

}  // namespace tappon
