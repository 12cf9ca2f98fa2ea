// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The title banner types the title out one character a tick. That a stop starts it again
// at five characters and that the other commands leave it alone is the scripted game's
// transcript.
#include "designs/designs.h"
#include "platform/values/text.h"
#include "tests/support/game_fixture.h"

#include <string>
#include <vector>

namespace tappon {
namespace {

class TitleBannerTest : public testing::GameTest {
protected:
    static std::string bannerText() { return std::string("Tappon  ") + designs::kWebSite; }
    static std::size_t bannerLength() { return characterCount(bannerText()); }
    static std::string firstCharacters(std::size_t count) { return leftCharacters(bannerText(), count); }
    const std::string& caption() const { return game.form().caption(); }

    // The captions of the next `ticks` banner ticks, read 300 ms apart.
    std::vector<std::string> nextCaptions(int ticks)
    {
        std::vector<std::string> captions;
        for (int i = 0; i < ticks; ++i) {
            h.advanceMs(300);
            captions.push_back(caption());
        }
        return captions;
    }
};

TEST_F(TitleBannerTest, TheFirstTickComes300MsAfterLoadingAndShowsFiveCharacters)
{
    // Timer4 ticks every 300 ms from Form_Load; the parking loop left loopIndex at 5.
    h.advanceMs(299);
    EXPECT_EQ(caption(), "");
    h.advanceMs(1);
    EXPECT_EQ(caption(), firstCharacters(5));
}

TEST_F(TitleBannerTest, TheWholeTextShowsForOneTickThenTheBlankForOneThenItGrowsAgain)
{
    // One more character at the right end each tick; with L characters the captions cycle
    // over L + 1 ticks: ..., L - 1, L, 0, 1, ...
    const std::size_t length = bannerLength();
    std::vector<std::string> expected;
    std::size_t shown = 5;
    for (std::size_t tick = 0; tick < 2 * (length + 1) + 3; ++tick) {
        expected.push_back(firstCharacters(shown));
        shown = shown == length ? 0 : shown + 1;
    }
    EXPECT_EQ(nextCaptions(static_cast<int>(expected.size())), expected);
    EXPECT_EQ(game.bannerLength, static_cast<std::int16_t>(length));
}

TEST_F(TitleBannerTest, ItKeepsTickingWhileTheVerdictMessageIsOpen)
{
    // The verdict's message box blocks the clock's tick; Timer4 goes on meanwhile.
    std::vector<std::string> whileOpen;
    h.messageBox.whileOpen = [&](const testing::ShownMessage&) {
        whileOpen.push_back(caption());
        for (int i = 0; i < 3; ++i) {
            h.advanceMs(300);
            whileOpen.push_back(caption());
        }
    };
    game.Text1.setText("1");
    h.advanceMs(100);
    game.form().click(game.Command1);
    h.advanceMs(60000);  // the game ends at 60 100 ms, with no hits

    ASSERT_EQ(h.messageBox.shown.size(), 1u);
    ASSERT_EQ(whileOpen.size(), 4u);
    const std::size_t length = bannerLength();
    for (std::size_t i = 1; i < whileOpen.size(); ++i) {
        const std::size_t before = characterCount(whileOpen[i - 1]);
        EXPECT_EQ(whileOpen[i], firstCharacters(before == length ? 0 : before + 1)) << "tick " << i << " in the box";
    }
}

}  // namespace
}  // namespace tappon
