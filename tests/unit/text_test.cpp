// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/values/text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

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

TEST(TextTest, CharacterCodesDecodeUtf8AndKeepEveryOtherByteAsItsOwnCode)
{
    // Well-formed sequences of one to four bytes give one code each; a byte that starts
    // no whole sequence stands for itself, so nothing read as text is lost.
    const struct {
        std::string text;
        std::vector<std::uint32_t> codes;
    } cases[] = {
        {"", {}},
        {"a\x7F", {0x61, 0x7F}},
        {"\xC3\xA9", {0xE9}},
        {"最", {0x6700}},
        {"\xF0\x9F\x98\x80", {0x1F600}},
        {std::string("\x34\x12\x00", 3), {0x34, 0x12, 0x00}},
        // One case a line: clang-format would split the strings that end a \x escape.
        // clang-format off
        {"\xFF", {0xFF}},                    // no sequence starts with it
        {"\x80" "a", {0x80, 0x61}},          // a continuation byte without a lead
        {"\xE6\x9C", {0xE6, 0x9C}},          // a sequence cut short
        {"\xC3" "A\xC3\xA9", {0xC3, 0x41, 0xE9}},  // a lead byte followed by no continuation
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(characterCodes(c.text), c.codes) << testing::PrintToString(c.text);
}

}  // namespace
}  // namespace tappon
