// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// Loading the main window, respawning letters, starting a game and the falling letters.
// How they fall tick by tick in a played game, respawns in the middle of a tick included,
// is the scripted game's transcript.
#include "designs/designs.h"
#include "tests/support/game_fixture.h"

#include <set>

namespace tappon {
namespace {

using testing::GameTest;

TEST_F(GameTest, LoadSetsUpABeginnersGameWithTheFieldFocused)
{
    // Where the letters are parked and what they show is the scripted game's first line.
    EXPECT_TRUE(game.jibie[1].checked());
    EXPECT_FALSE(game.jibie[2].checked());
    EXPECT_EQ(game.baseSpeed, 25);
    EXPECT_FALSE(game.paused);
    EXPECT_EQ(game.Picture2.backColor(), Color::rgb(72, 84, 72));
    EXPECT_EQ(game.Label9.caption(), "最好成绩：");
    EXPECT_EQ(h.random.seedings, 1);
    EXPECT_EQ(form().focused(), &game.Picture1);
}

TEST_F(GameTest, NothingFallsUntilAGameStarts)
{
    h.advanceMs(5000);
    EXPECT_FALSE(game.Timer1.enabled());
    EXPECT_FALSE(game.Timer2.enabled());
    for (const float top : tops())
        EXPECT_EQ(top, -600);
}

TEST_F(GameTest, RespawnsDrawTheirCharactersFromTheirOwnRanges)
{
    std::set<char> firstLetter;
    std::set<char> others;
    for (int round = 0; round < 2000; ++round) {
        game.init();
        game.init1();
        game.init2();
        game.init13();
        game.init14();
        firstLetter.insert(game.Label1[0].caption().at(0));
        for (int i = 1; i < 5; ++i)
            others.insert(game.Label1[i].caption().at(0));
    }
    EXPECT_EQ(firstLetter.size(), 26u);
    EXPECT_EQ(*firstLetter.begin(), '1');
    EXPECT_EQ(*firstLetter.rbegin(), 'J');
    EXPECT_EQ(others.size(), 26u);
    EXPECT_EQ(*others.begin(), 'a');
    EXPECT_EQ(*others.rbegin(), 'z');
}

TEST_F(GameTest, RespawnsDrawFallStepsFromTheLevelAndLeftsAcrossTheField)
{
    for (const std::int16_t base : {25, 50, 80}) {
        game.baseSpeed = base;
        std::set<int> steps;
        for (int round = 0; round < 3000; ++round) {
            game.init2();
            steps.insert(game.fallStep);
            const float left = game.Label1[2].left();
            ASSERT_GE(left, -200);
            ASSERT_LE(left, 4614);
            ASSERT_EQ(left, std::floor(left));
            ASSERT_EQ(game.Label1[2].top(), -600);
        }
        EXPECT_EQ(*steps.begin(), base);
        EXPECT_EQ(*steps.rbegin(), base + 20);
        EXPECT_EQ(steps.size(), 21u);
    }
}

TEST_F(GameTest, ARespawnUsesItsThreeRandomNumbersInOrder)
{
    // r1 picks the character, r2 the fall step (halves to even), r3 the left edge.
    h.random.queue({0.0f, 0.125f, 0.0f});  // 'a', 25 + 2.5 = 27.5 -> 28
    game.init1();
    EXPECT_EQ(game.Label1[1].caption(), "a");
    EXPECT_EQ(game.fallStep, 28);
    EXPECT_EQ(game.Label1[1].left(), -200);

    h.random.queue({0.99999994f, 0.375f, 0.5f});  // 'z', 32.5 -> 32, floor(2407.5) - 200
    game.init14();
    EXPECT_EQ(game.Label1[3].caption(), "z");
    EXPECT_EQ(game.fallStep, 32);
    EXPECT_EQ(game.Label1[3].left(), 2207);

    h.random.queue({0.0f, 0.0f, 0.0f});
    game.init();
    EXPECT_EQ(game.Label1[0].caption(), "1");
    h.random.queue({0.99999994f, 1.0f - 1e-7f, 0.0f});
    game.init();
    EXPECT_EQ(game.Label1[0].caption(), "J");
    EXPECT_EQ(game.fallStep, 45);
}

TEST_F(GameTest, StartWithTheDefaultTimeRunsASixtySecondGame)
{
    // Which controls a start leaves usable is the state table's (game_controls_test.cpp).
    click(game.Command1);
    EXPECT_EQ(game.Label4.caption(), "0");
    EXPECT_EQ(game.Label5.caption(), "60");
    EXPECT_EQ(form().focused(), &game.Picture1);
    EXPECT_EQ(h.sound.played, (std::vector<std::string>{"/opt/tappon/Sound/du.WAV"}));
}

TEST_F(GameTest, EnterStartsAGameThroughTheDefaultButton)
{
    form().keyPress(13);
    EXPECT_EQ(game.Label5.caption(), "60");
    EXPECT_TRUE(game.Timer1.enabled());
}

TEST_F(GameTest, TheGameTimeIsMinutesTimesSixtyAsNumberText)
{
    const std::pair<const char*, const char*> cases[] = {
        {"2.5", "150"}, {"-1", "-60"}, {"999", "59940"}, {".01", "0.6"}, {"1e2", "6000"}, {" 1", "60"}, {"0", "0"},
    };
    for (const auto& [minutes, seconds] : cases) {
        click(game.Command2);
        startGame(minutes);
        EXPECT_EQ(game.Label5.caption(), seconds) << minutes;
        EXPECT_TRUE(game.Timer2.enabled()) << minutes;
    }
}

TEST_F(GameTest, ATimeThatIsNotANumberIsRejectedWithAWarning)
{
    for (const char* text : {"abc", "", "1x", "-"}) {
        h.messageBox.shown.clear();
        h.sound.played.clear();
        form().setFocus(game.Picture1);
        startGame(text);
        ASSERT_EQ(h.messageBox.shown.size(), 1u) << text;
        EXPECT_EQ(h.messageBox.shown[0].prompt, "请正确输入时间！");
        EXPECT_EQ(h.messageBox.shown[0].title, "Tappon");
        EXPECT_EQ(h.messageBox.shown[0].icon, MessageIcon::Warning);
        EXPECT_EQ(effectsPlayed(), (std::vector<std::string>{"du.WAV"}));  // played before the check
        EXPECT_FALSE(game.Timer1.enabled());
        EXPECT_FALSE(game.Timer2.enabled());
        EXPECT_TRUE(game.Command1.enabled());
        EXPECT_FALSE(game.Command2.enabled());
        EXPECT_EQ(game.Label5.caption(), "0");
        EXPECT_EQ(form().focused(), &game.Text1);
    }
}

TEST_F(GameTest, ALetterExactlyAtTheBottomMovesOnceMore)
{
    startGame();
    game.fallStep = 30;
    game.Label1[2].setTop(4905);
    h.advanceMs(50);
    EXPECT_EQ(game.Label1[2].top(), 4935);  // equal is not past
    const std::string before = game.Label1[2].caption();
    h.random.queue({0.5f, 0.5f, 0.5f});
    h.advanceMs(50);
    EXPECT_EQ(game.Label1[2].top(), -600);
    EXPECT_EQ(game.Label1[2].caption(), "n");
}

}  // namespace
}  // namespace tappon
