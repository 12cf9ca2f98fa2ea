// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The time box holds at most three characters, so every text the player can give the
// number reader is enumerable: these tests walk all of them.
#include "platform/values/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <regex>
#include <string>

namespace tappon {
namespace {

// Calls `check` with every string of length 0 to 3 over `alphabet`.
void forEveryTextUpTo3(const std::string& alphabet, const std::function<void(const std::string&)>& check)
{
    check("");
    for (const char a : alphabet) {
        check(std::string{a});
        for (const char b : alphabet) {
            check(std::string{a, b});
            for (const char c : alphabet)
                check(std::string{a, b, c});
        }
    }
}

std::string printableAsciiAndOddBytes()
{
    std::string alphabet;
    for (char c = ' '; c <= '~'; ++c)
        alphabet += c;
    alphabet += '\0';
    alphabet += '\t';
    alphabet += '\xC3';  // a lead byte of UTF-8
    alphabet += '\xFF';
    return alphabet;
}

// The characters that matter to the reader, with one letter and one non-ASCII byte
// standing for all the others.
const std::string kTellingCharacters = "0159+-.eEdD \txa,$\xC3";

// The documented grammar, written out independently of the reader.
const std::regex kWholeNumber(R"(^[ \t]*[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eEdD][+-]?[0-9]+)?[ \t]*$)");
const std::regex kLeadingNumber(R"(^[ \t]*([+-]?([0-9]+\.?[0-9]*|\.[0-9]+))([eEdD][+-]?[0-9]+)?)");

// What the leading number is worth, read by the C library.
double expectedNumberAtStart(const std::string& text)
{
    std::smatch match;
    if (!std::regex_search(text, match, kLeadingNumber))
        return 0.0;
    std::string number = match[1].str();
    if (match[3].matched)
        number += "e" + match[3].str().substr(1);
    return std::strtod(number.c_str(), nullptr) + 0.0;
}

TEST(NumberReaderExhaustiveTest, EveryTextOfUpToThreeCharactersReadsAsAFiniteNumberWithoutThrowing)
{
    int checked = 0;
    forEveryTextUpTo3(printableAsciiAndOddBytes(), [&](const std::string& text) {
        ++checked;
        double value = 0.0;
        ASSERT_NO_THROW(value = numberAtStart(text)) << '"' << text << '"';
        ASSERT_TRUE(std::isfinite(value)) << '"' << text << '"';
        ASSERT_NO_THROW(isNumeric(text)) << '"' << text << '"';
        ASSERT_NO_THROW(numberText(value * 60.0)) << '"' << text << '"';
    });
    EXPECT_GT(checked, 900000);
}

TEST(NumberReaderExhaustiveTest, ANumericTextReadsBackFromItsGeneralNumberText)
{
    forEveryTextUpTo3(printableAsciiAndOddBytes(), [](const std::string& text) {
        if (!isNumeric(text))
            return;
        const double value = numberAtStart(text);
        const std::string written = numberText(value);
        ASSERT_TRUE(isNumeric(written)) << '"' << text << "\" -> " << written;
        ASSERT_EQ(numberAtStart(written), value) << '"' << text << "\" -> " << written;
        const std::string seconds = numberText(value * 60.0);
        ASSERT_TRUE(isNumeric(seconds)) << '"' << text << "\" -> " << seconds;
        // The seconds are written to 15 significant digits: close to the product, and
        // read back they write the same text again.
        ASSERT_NEAR(numberAtStart(seconds), value * 60.0, std::abs(value * 60.0) * 1e-14) << '"' << text << '"';
        ASSERT_EQ(numberText(numberAtStart(seconds)), seconds) << '"' << text << '"';
    });
}

TEST(NumberReaderExhaustiveTest, TheNumericTestAcceptsExactlyTheDocumentedGrammar)
{
    forEveryTextUpTo3(kTellingCharacters, [](const std::string& text) {
        ASSERT_EQ(isNumeric(text), std::regex_match(text, kWholeNumber)) << '"' << text << '"';
    });
}

TEST(NumberReaderExhaustiveTest, TheNumberAtStartIsTheLongestLeadingNumber)
{
    forEveryTextUpTo3(kTellingCharacters, [](const std::string& text) {
        const double value = numberAtStart(text);
        ASSERT_EQ(value, expectedNumberAtStart(text)) << '"' << text << '"';
        ASSERT_FALSE(std::signbit(value) && value == 0.0) << '"' << text << "\" reads as -0";
    });
}

}  // namespace
}  // namespace tappon
