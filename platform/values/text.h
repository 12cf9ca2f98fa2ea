// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Text is UTF-8 throughout the model; lengths and positions count characters.
namespace tappon {

// The number of characters in a text.
std::size_t characterCount(std::string_view text);

// The first `count` characters of a text (all of it when it is shorter; none for 0).
std::string leftCharacters(std::string_view text, std::size_t count);

// The one-character text of a character code (a UTF-16 code unit, as key presses
// deliver them). Surrogate halves, which are no character by themselves, give U+FFFD.
std::string characterOf(std::uint16_t code);

// The character codes of a text, one a character. A byte that starts no valid sequence
// counts as a character of its own, with the byte as its code, so bytes read as text
// lose nothing.
std::vector<std::uint32_t> characterCodes(std::string_view text);

}  // namespace tappon
