// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/values/checked_int.h"

#include "platform/window/runtime_error.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace tappon {

void throwOverflow()
{
    throw RuntimeError(kErrorOverflow, "Overflow");
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double floorValue = std::floor(value);
    const double diff = value - floorValue;
    if (diff < 0.5)
        return floorValue;
    if (diff > 0.5)
        return floorValue + 1.0;
    return std::fmod(floorValue, 2.0) == 0.0 ? floorValue : floorValue + 1.0;
}

namespace {

template <typename Int>
Int checkedConvert(double value)
{
    const double rounded = roundHalfEven(value);
    if (!std::isfinite(rounded) || rounded < static_cast<double>(std::numeric_limits<Int>::min())
        || rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        throwOverflow();
    return static_cast<Int>(rounded);
}

}  // namespace

std::int16_t toInt16(double value)
{
    return checkedConvert<std::int16_t>(value);
}

std::int32_t toInt32(double value)
{
    return checkedConvert<std::int32_t>(value);
}

std::int16_t incrementInt16(std::int16_t value)
{
    return addInt16(value, 1);
}

std::int16_t addInt16(std::int16_t a, std::int16_t b)
{
    const int sum = int{a} + int{b};
    if (sum < std::numeric_limits<std::int16_t>::min() || sum > std::numeric_limits<std::int16_t>::max())
        throwOverflow();
    return static_cast<std::int16_t>(sum);
}

}  // namespace tappon
