// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The help window over a loaded main window, on the headless screen and the virtual clock.
#pragma once

#include "game/frmtype.h"
#include "platform/window/application.h"
#include "sound/effects.h"
#include "tests/support/harness.h"
#include "windows/frmhelp.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tappon::testing {

inline constexpr std::int16_t kEsc = 27;

// The headless screen centres the main window: 6915 x 5025 twips at (4222.5, 3247.5).
// The help window is 6135 x 4740, so centred on it it stands at (4612.5, 3390).
inline constexpr Twips kCentredLeft = 4612.5f;
inline constexpr Twips kCentredTop = 3390.0f;
inline constexpr Twips kHelpHeight = 4740.0f;

class HelpWindowTest : public ::testing::Test {
protected:
    HelpWindowTest() { h.app.show(main, ShowMode::Modeless); }

    Frmhelp* help() const { return h.app.find<Frmhelp>(); }

    // The help menu item, as the player chooses it.
    Frmhelp& open()
    {
        main.form().click(main.care);
        Frmhelp* window = help();
        EXPECT_NE(window, nullptr);
        return *window;
    }
    // Opens the window and lets it come to rest on the centred main window.
    Frmhelp& openAndSettle()
    {
        Frmhelp& window = open();
        h.advanceMs(300);
        EXPECT_FALSE(window.Timer1.enabled());
        return window;
    }
    std::string effect(std::string_view name) const { return effectPath(h.appInfo.folderPath, name); }
    void startGame() { main.form().click(main.Command1); }

    Harness h;
    frmtype& main = h.app.load<frmtype>();
};

}  // namespace tappon::testing
