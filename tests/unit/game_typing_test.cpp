// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// Judging typed characters against the falling letters. The order in which one key
// judges them, a hit's respawn, keys while paused and the first letter's "0" in the
// first game are the scripted game's transcript.
#include "tests/support/game_fixture.h"

namespace tappon {
namespace {

using testing::GameTest;

TEST_F(GameTest, TypingZeroRightAfterLoadHitsAllFiveParkedLetters)
{
    type("0");
    EXPECT_EQ(game.hitCount, 5);
    EXPECT_EQ(game.Label4.caption(), "5");
    for (int i = 0; i < 5; ++i) {
        EXPECT_NE(game.Label1[i].caption(), "0");
        EXPECT_EQ(game.Label1[i].top(), -600);
    }
    EXPECT_EQ(effectsPlayed(), (std::vector<std::string>{"Ding.WAV", "Ding.WAV", "Ding.WAV", "2.WAV", "2.WAV"}));
    startGame();
    EXPECT_EQ(game.hitCount, 0);
    EXPECT_EQ(game.Label4.caption(), "0");
}

TEST_F(GameTest, ALetterRespawnedByAKeyIsNotJudgedAgainByThatKey)
{
    startGame();
    showLetters({"5", "a", "q", "w", "r"});
    h.random.queue({0.0f, 0.5f, 0.5f});  // Label1(1) comes back as 'a' again
    type("a");
    EXPECT_EQ(game.Label1[1].caption(), "a");
    EXPECT_EQ(game.hitCount, 1);
}

TEST_F(GameTest, UpperAndLowerCaseAreDifferentCharacters)
{
    startGame();
    showLetters({"A", "a", "b", "c", "d"});
    type("B");
    EXPECT_EQ(game.hitCount, 0);
    showLetters({"A", "x", "b", "c", "d"});
    type("a");
    EXPECT_EQ(game.hitCount, 0);
    type("A");
    EXPECT_EQ(game.hitCount, 1);
}

TEST_F(GameTest, KeysThatMatchNothingChangeNothingAndCharactersBeyondAsciiNeverFail)
{
    startGame();
    showLetters({"5", "a", "b", "c", "d"});
    h.sound.played.clear();
    const auto before = tops();
    type("z\b\x1b");
    for (const int code : {0x4E2D, 0xD83D, 0xFFFF, 0x7F, 0})
        form().keyPress(static_cast<std::int16_t>(code));
    EXPECT_EQ(game.hitCount, 0);
    EXPECT_EQ(game.Label4.caption(), "0");
    EXPECT_TRUE(h.sound.played.empty());
    EXPECT_EQ(tops(), before);
    EXPECT_FALSE(h.app.ended());
}

TEST_F(GameTest, WithSoundOffAStartAndHitsCountAndRespawnSilently)
{
    click(game.sound);
    startGame();
    EXPECT_EQ(game.Label5.caption(), "60");
    showLetters({"5", "a", "b", "c", "d"});
    type("abcd5");
    EXPECT_EQ(game.hitCount, 5);
    EXPECT_TRUE(h.sound.played.empty());
}

TEST_F(GameTest, KeysAfterAStopStillCountUntilTheNextStart)
{
    startGame();
    click(game.Command2);
    showLetters({"5", "a", "b", "c", "d"});
    EXPECT_EQ(form().focused(), &game.Picture1);
    type("ab");
    EXPECT_EQ(game.Label4.caption(), "2");
    startGame();
    EXPECT_EQ(game.Label4.caption(), "0");
}

TEST_F(GameTest, TheHitCountStopsAtItsLargestValueInsteadOfOverflowing)
{
    startGame();
    game.hitCount = 32766;
    showLetters({"5", "a", "b", "c", "d"});
    h.sound.played.clear();
    type("ab");
    EXPECT_EQ(game.hitCount, 32767);
    EXPECT_EQ(game.Label4.caption(), "32767");
    EXPECT_EQ(h.sound.played.size(), 2u);      // the second hit still sounds
    EXPECT_NE(game.Label1[2].caption(), "b");  // and respawns
    EXPECT_FALSE(h.app.ended());
}

}  // namespace
}  // namespace tappon
