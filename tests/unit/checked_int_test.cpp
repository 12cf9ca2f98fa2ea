// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/values/checked_int.h"

#include "platform/window/runtime_error.h"

#include <gtest/gtest.h>

namespace tappon {
namespace {

TEST(RoundHalfEvenTest, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(0.5), 0.0);
    EXPECT_EQ(roundHalfEven(1.5), 2.0);
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(roundHalfEven(-3.5), -4.0);
    EXPECT_EQ(roundHalfEven(255.5), 256.0);
    EXPECT_EQ(roundHalfEven(2.4999), 2.0);
    EXPECT_EQ(roundHalfEven(2.5001), 3.0);
}

TEST(ToInt16Test, RoundsThenChecksTheRange)
{
    EXPECT_EQ(toInt16(44.5), 44);
    EXPECT_EQ(toInt16(45.5), 46);
    EXPECT_EQ(toInt16(32767.0), 32767);
    EXPECT_EQ(toInt16(-32768.0), -32768);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768.5), -32768);  // half to even stays in range
    EXPECT_THROW(toInt16(32767.5), RuntimeError);
    EXPECT_THROW(toInt16(-32769.0), RuntimeError);
    EXPECT_THROW(toInt16(1e300), RuntimeError);
}

TEST(ToInt16Test, TheOverflowCarriesItsErrorNumber)
{
    try {
        toInt16(40000);
        FAIL() << "no overflow";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.code(), kErrorOverflow);
    }
}

TEST(CheckedAdditionTest, IncrementOverflowsPast32767)
{
    EXPECT_EQ(incrementInt16(0), 1);
    EXPECT_EQ(incrementInt16(32766), 32767);
    EXPECT_THROW(incrementInt16(32767), RuntimeError);
    EXPECT_EQ(addInt16(-32768, 32767), -1);
    EXPECT_THROW(addInt16(-32768, -1), RuntimeError);
}

TEST(ToInt32Test, CoversTheTargetScoreRange)
{
    EXPECT_EQ(toInt32(27306.0), 27306);
    EXPECT_EQ(toInt32(-0.5), 0);
    EXPECT_THROW(toInt32(3e9), RuntimeError);
}

}  // namespace
}  // namespace tappon
