// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <cstdint>

// Integer arithmetic as the game's counters use it: 16-bit signed values whose every
// increment and conversion is checked, and conversions from fractions that round
// halves to the even integer. A result out of range raises an overflow RuntimeError.
namespace tappon {

// Nearest integer, halves to the even one (2.5 -> 2, 3.5 -> 4, -0.5 -> -0).
double roundHalfEven(double value);

// Conversion to a 16-bit integer, rounding halves to even; overflow outside -32768..32767.
std::int16_t toInt16(double value);

// Conversion to a 32-bit integer, rounding halves to even.
std::int32_t toInt32(double value);

// value + 1, overflow past 32767.
std::int16_t incrementInt16(std::int16_t value);

// 16-bit sum, overflow outside the range.
std::int16_t addInt16(std::int16_t a, std::int16_t b);

}  // namespace tappon
