// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/values/number_text.h"

#include "platform/window/runtime_error.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tappon {
namespace {

TEST(NumericTest, AcceptsPlainNumbersWithBlanksSignPointAndExponent)
{
    for (const char* text :
         {"1", "999", " 1", "1 ", "-1", "+2", "2.5", ".5", "5.", "0.01", "1e3", "1E-2", "-1.5e+2", "1d2"})
        EXPECT_TRUE(isNumeric(text)) << text;
}

TEST(NumericTest, RejectsEmptySignsAloneAndTrailingText)
{
    for (const char* text :
         {"", " ", "abc", "-", "+", ".", "1a", "a1", "1 2", "1..2", "1e", "e5", "0x1", "inf", "nan", "1,5", "$5"})
        EXPECT_FALSE(isNumeric(text)) << '"' << text << '"';
}

TEST(NumberAtStartTest, ReadsTheNumberThatTheTextStartsWith)
{
    EXPECT_DOUBLE_EQ(numberAtStart("1"), 1.0);
    EXPECT_DOUBLE_EQ(numberAtStart("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(numberAtStart("-1"), -1.0);
    EXPECT_DOUBLE_EQ(numberAtStart("  42abc"), 42.0);
    EXPECT_DOUBLE_EQ(numberAtStart("1e3x"), 1000.0);
    EXPECT_DOUBLE_EQ(numberAtStart("1ex"), 1.0);  // an exponent letter without digits is not part of it
    EXPECT_DOUBLE_EQ(numberAtStart("0.6"), 0.6);
    EXPECT_DOUBLE_EQ(numberAtStart("-0.4"), -0.4);
}

TEST(NumberAtStartTest, ReadsZeroWhenTheTextDoesNotStartWithANumber)
{
    for (const char* text : {"", "abc", "-", ".", "Label9", "x1"})
        EXPECT_DOUBLE_EQ(numberAtStart(text), 0.0) << text;
    EXPECT_FALSE(std::signbit(numberAtStart("-0")));
}

TEST(NumberAtStartTest, AMagnitudeBeyondDoubleIsAnOverflow)
{
    EXPECT_THROW(numberAtStart("1e999"), RuntimeError);
    EXPECT_DOUBLE_EQ(numberAtStart("1e-999"), 0.0);
}

TEST(NumberTextTest, WritesTheShortestFormWithUpTo15SignificantDigits)
{
    EXPECT_EQ(numberText(60), "60");
    EXPECT_EQ(numberText(90), "90");
    EXPECT_EQ(numberText(-60), "-60");
    EXPECT_EQ(numberText(0.01 * 60), "0.6");
    EXPECT_EQ(numberText(59940), "59940");
    EXPECT_EQ(numberText(0.6 - 1), "-0.4");
    EXPECT_EQ(numberText(0), "0");
    EXPECT_EQ(numberText(-0.0), "0");
    EXPECT_EQ(numberText(0.1 * 3), "0.3");
    EXPECT_EQ(numberText(123456789012345.0), "123456789012345");
    EXPECT_EQ(numberText(1e15), "1E+15");
    EXPECT_EQ(numberText(1e-5), "1E-05");
    EXPECT_EQ(numberText(0.0001), "0.0001");
}

TEST(NumberTextTest, RoundTripsThroughTheReader)
{
    for (const double value : {59.0, -0.4, 1.5, 149.0, 27306.0, 0.000123})
        EXPECT_DOUBLE_EQ(numberAtStart(numberText(value)), value);
}

}  // namespace
}  // namespace tappon
