// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The game clock, the verdict at the end of the time and the best score. The end of a
// played game, paused and resumed on the way, is the scripted game's transcript.
#include "tests/support/game_fixture.h"

#include <tuple>

namespace tappon {
namespace {

using testing::GameTest;

class GameClockTest : public GameTest {
protected:
    // Runs a game whose hits are `hits` against the given target to its end.
    void finishGameWith(int hits, std::int32_t target, const char* minutes = "1")
    {
        startGame(minutes);
        game.targetScore = target;
        game.hitCount = static_cast<std::int16_t>(hits);
        game.Label4.setCaption(std::to_string(hits));
        h.messageBox.shown.clear();
        h.advanceMs(static_cast<long long>(std::stod(minutes) * 60000));
    }
    std::string verdictTitle() const
    {
        return h.messageBox.shown.empty() ? std::string("(none)") : h.messageBox.shown.back().title;
    }
};

TEST_F(GameClockTest, AFractionalTimeEndsAtTheFirstTickAtOrBelowZero)
{
    startGame(".01");
    EXPECT_EQ(game.Label5.caption(), "0.6");
    h.advanceMs(1000);
    EXPECT_EQ(game.Label5.caption(), "0");
    EXPECT_FALSE(game.Timer2.enabled());
    ASSERT_EQ(h.messageBox.shown.size(), 1u);  // 0 hits against target 0: "Harder！"
}

TEST_F(GameClockTest, ATimeOfZeroOrLessEndsOneSecondLater)
{
    startGame("-1");
    EXPECT_EQ(game.Label5.caption(), "-60");
    h.advanceMs(999);
    EXPECT_TRUE(game.Timer2.enabled());
    h.advanceMs(1);
    EXPECT_FALSE(game.Timer2.enabled());
    EXPECT_EQ(game.Label5.caption(), "0");
}

TEST_F(GameClockTest, TheVerdictsAtTheirBoundaries)
{
    // Up to 0.7 x target "Harder！", below the target "Come on ！", from 1.2 x target
    // "Very good！", none between; 30 is the target of a one-minute beginner's game.
    const std::tuple<std::int32_t, int, const char*> cases[] = {
        {10, 7, "Harder！"},    {10, 8, "Come on ！"},   {10, 9, "Come on ！"},   {10, 10, "(none)"},
        {10, 11, "(none)"},     {10, 12, "Very good！"}, {10, 40, "Very good！"}, {20, 14, "Harder！"},
        {20, 15, "Come on ！"}, {30, 21, "Harder！"},    {30, 22, "Come on ！"},  {30, 29, "Come on ！"},
        {30, 30, "(none)"},     {30, 35, "(none)"},      {30, 36, "Very good！"},
    };
    for (const auto& [target, hits, title] : cases) {
        click(game.Command2);
        finishGameWith(hits, target);
        EXPECT_EQ(verdictTitle(), title) << hits << " hits against " << target;
    }
}

TEST_F(GameClockTest, EachVerdictHasItsExactTextsAnInformationIconAndNoOtherButton)
{
    finishGameWith(0, 10);
    ASSERT_FALSE(h.messageBox.shown.empty());
    EXPECT_EQ(h.messageBox.shown.back().prompt, "You are a loser man！");
    EXPECT_EQ(h.messageBox.shown.back().icon, MessageIcon::Information);
    finishGameWith(9, 10);
    ASSERT_FALSE(h.messageBox.shown.empty());
    EXPECT_EQ(h.messageBox.shown.back().prompt, "Right.Come on.Continue for a top one！");
    finishGameWith(12, 10);
    ASSERT_FALSE(h.messageBox.shown.empty());
    EXPECT_EQ(h.messageBox.shown.back().prompt, "Congraduation！You are very good！");
    EXPECT_EQ(h.messageBox.shown.back().title, "Very good！");
}

TEST_F(GameClockTest, ThePoorerVerdictsRunTheStopAndTheOthersDoNot)
{
    finishGameWith(9, 10);
    EXPECT_EQ(tops(), (std::array<float, 5>{-600, -600, -600, -600, -600}));
    EXPECT_FALSE(game.Command2.enabled());
    ASSERT_FALSE(effectsPlayed().empty());
    EXPECT_EQ(effectsPlayed().back(), "du.WAV");
    // Very good: the hits go, but the letters stay where they stopped and the stop
    // button stays usable.
    click(game.Command2);
    finishGameWith(12, 10);
    EXPECT_EQ(game.Label4.caption(), "0");
    EXPECT_EQ(game.hitCount, 0);
    EXPECT_TRUE(game.Command2.enabled());
    EXPECT_NE(tops(), (std::array<float, 5>{-600, -600, -600, -600, -600}));
}

TEST_F(GameClockTest, OnlyTheBetterVerdictsRaiseALowerBestScoreByCopyingTheHitsCaption)
{
    // Against a target of 10: 9 hits "Come on ！", 11 no message, 12 "Very good！".
    const std::tuple<const char*, int, const char*> cases[] = {
        {"3", 9, "3"}, {"0", 11, "11"}, {"9", 12, "12"}, {"12.0", 12, "12.0"}};
    for (const auto& [before, hits, after] : cases) {
        click(game.Command2);
        game.Label10.setCaption(before);
        finishGameWith(hits, 10);
        EXPECT_EQ(game.Label10.caption(), after) << hits << " hits over a best score of " << before;
    }
}

TEST_F(GameClockTest, TheTargetIsTheMinutesTimesTheHitsPerMinuteOfTheLevel)
{
    startGame("1");
    EXPECT_EQ(game.targetScore, 30);
    click(game.Command2);
    click(game.jibie[2]);
    startGame("2.5");
    EXPECT_EQ(game.targetScore, 112);  // 112.5 halves to even
    click(game.Command2);
    click(game.jibie[3]);
    startGame(".5");
    EXPECT_EQ(game.targetScore, 30);
    click(game.Command2);
    startGame("999");
    EXPECT_EQ(game.targetScore, 27306);  // the largest whose thresholds fit
    click(game.Command2);
    startGame("-1");
    EXPECT_EQ(game.targetScore, 0);
}

TEST_F(GameClockTest, TheLettersStandStillWhileTheVerdictIsOpen)
{
    std::array<float, 5> atVerdict{};
    std::array<float, 5> afterWaiting{};
    h.messageBox.whileOpen = [&](const testing::ShownMessage&) {
        atVerdict = tops();
        h.advanceMs(5000);
        afterWaiting = tops();
    };
    finishGameWith(50, 10);
    EXPECT_EQ(atVerdict, afterWaiting);
}

}  // namespace
}  // namespace tappon
