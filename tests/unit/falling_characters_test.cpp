// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// What the screen reader is told when the player presses F3 in the playing field: the
// characters in the field, lowest first, each said so it cannot be mistaken. What the
// game announces as it goes is in the scripted game's transcript.
#include "tests/support/game_fixture.h"

#include <utility>

namespace tappon {
namespace {

using testing::GameTest;

class FallingCharactersTest : public GameTest {
protected:
    std::string description()
    {
        form().keyDown(kKeyF3);
        return h.screenReader.announced.empty() ? "(nothing)" : h.screenReader.announced.back();
    }
    void place(const std::array<std::pair<const char*, Twips>, 5>& letters)
    {
        for (int i = 0; i < 5; ++i) {
            game.Label1[i].setCaption(letters[i].first);
            game.Label1[i].setTop(letters[i].second);
        }
    }
};

TEST_F(FallingCharactersTest, TellsTheCharactersInTheFieldLowestFirst)
{
    EXPECT_EQ(description(), "没有下落的字符");  // parked above the field before a game

    const Twips height = game.Label1[0].height();
    const std::pair<std::array<std::pair<const char*, Twips>, 5>, const char*> cases[] = {
        // Equal heights keep the letters' order; a letter whose foot has entered the
        // field is in it, one wholly above it is not. (F3's key code is an "r": no hit.)
        {{{{"k", 100}, {"z", 2000}, {"q", 2000}, {"b", 1 - height}, {"r", -height}}},
         "下落的字符，从低到高：z，q，k，b"},
        // Capitals and the signs between 9 and A, which readers pass over or say like
        // their small letters.
        {{{{"A", 900}, {":", 800}, {";", 700}, {"<", 600}, {"J", 500}}},
         "下落的字符，从低到高：大写 A，冒号，分号，小于号，大写 J"},
        {{{{"=", 900}, {">", 800}, {"?", 700}, {"@", 600}, {"1", 4000}}},
         "下落的字符，从低到高：1，等号，大于号，问号，at 符号"},
    };
    startGame();
    for (const auto& [letters, expected] : cases) {
        place(letters);
        EXPECT_EQ(description(), expected);
    }
    EXPECT_EQ(game.hitCount, 0);
}

}  // namespace
}  // namespace tappon
