// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/text.h"

#include <gtest/gtest.h>

namespace tappon {
namespace {

TEST(TextTest, CountsAndCutsByCharactersNotBytes)
{
    EXPECT_EQ(characterCount("Tappon"), 6u);
    EXPECT_EQ(characterCount("最好成绩："), 5u);
    EXPECT_EQ(leftCharacters("最好成绩：", 2), "最好");
    EXPECT_EQ(leftCharacters("abc", 0), "");
    EXPECT_EQ(leftCharacters("abc", 5), "abc");
}

TEST(TextTest, CharacterOfACodeIsItsUtf8Text)
{
    EXPECT_EQ(characterOf('a'), "a");
    EXPECT_EQ(characterOf(0x6700), "最");
    EXPECT_EQ(characterOf(0xD800), "\xEF\xBF\xBD");  // a lone surrogate is no character
    EXPECT_EQ(characterOf(0), std::string(1, '\0'));
}

}  // namespace
}  // namespace tappon
