// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "game/frmtype.h"
#include "tests/support/harness.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

namespace tappon::testing {

// The main window loaded and shown in a headless program, with helpers that act the
// way a player does: clicks, typed text, menu commands, time passing.
class GameTest : public ::testing::Test {
protected:
    GameTest() { h.app.show(game, ShowMode::Modeless); }

    Form& form() { return game.form(); }
    void click(Control& control) { form().click(control); }
    void type(std::string_view text)
    {
        for (const char c : text)
            form().keyPress(static_cast<std::int16_t>(static_cast<unsigned char>(c)));
    }
    void startGame(std::string minutes = "1")
    {
        game.Text1.setTextFromInput(std::move(minutes));
        click(game.Command1);
    }
    // Captions of Label1(0) .. Label1(4), by index.
    void showLetters(const std::array<const char*, 5>& captions)
    {
        for (int i = 0; i < 5; ++i)
            game.Label1[i].setCaption(captions[static_cast<std::size_t>(i)]);
    }
    std::array<float, 5> tops() const
    {
        std::array<float, 5> result{};
        for (int i = 0; i < 5; ++i)
            result[static_cast<std::size_t>(i)] = game.Label1[i].top();
        return result;
    }
    std::vector<std::string> effectsPlayed() const
    {
        std::vector<std::string> names;
        for (const std::string& path : h.sound.played)
            names.push_back(path.substr(path.rfind('/') + 1));
        return names;
    }

    Harness h;
    frmtype& game = h.app.load<frmtype>();
};

}  // namespace tappon::testing
