// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <string>
#include <string_view>

// Numbers that live in captions and text boxes: the numeric test, the reader that takes
// the number at the start of a text, and general number text for writing one back.
namespace tappon {

// True when the whole text, blanks around it allowed, is one number: an optional sign,
// digits with at most one decimal point (at least one digit), and an optional exponent.
bool isNumeric(std::string_view text);

// The number at the start of the text, in double precision: leading blanks, a sign,
// digits, a decimal point and an exponent are read as far as they form a number. A text
// that does not start with a number reads as 0.
double numberAtStart(std::string_view text);

// General number text: the shortest decimal form with up to 15 significant digits, a
// period as decimal point, a leading minus for negatives, no padding; exponent form
// (1E+20, 1E-07) only where the plain form would need it.
std::string numberText(double value);

}  // namespace tappon
