// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The help window closes by Esc, a left press or a click on its instruction, at any
// moment of its slide-in, and by nothing else; it sounds as the sound switch says at
// each moment. (A plain close of each kind is the transcript in help_window_test.cpp.)
#include "tests/support/help_window_fixture.h"

#include <gtest/gtest.h>

namespace tappon {
namespace {

using namespace tappon::testing;

TEST_F(HelpWindowTest, OtherKeysOtherButtonsAndPressesOnTheAdviceOrThePictureLeaveThePanelWhereItIs)
{
    // Only key code 27 and the left button on the window's own surface start the
    // slide-out; the advice and the picture do not even sound.
    Frmhelp& window = openAndSettle();
    h.sound.played.clear();
    window.form().mouseDown(&window.Label2[5], kLeftButton, 0, 10, 10);
    window.form().mouseDown(&window.Image1, kLeftButton, 0, 10, 10);
    EXPECT_TRUE(h.sound.played.empty());
    for (const std::int16_t key : {13, 32, 65, 112, 26, 28})
        window.form().keyDown(key);
    window.form().mouseDown(nullptr, kRightButton, 0, 600, 4500);
    window.form().mouseDown(nullptr, kMiddleButton, 0, 600, 4500);
    h.advanceMs(2000);
    ASSERT_NE(help(), nullptr);
    EXPECT_FALSE(window.Timer2.enabled());
    EXPECT_EQ(window.form().top(), kCentredTop);
}

TEST_F(HelpWindowTest, WithSoundOffOpeningAndClosingIsSilent)
{
    // Every effect of the help window asks the main window's sound item first.
    main.form().click(main.sound);
    ASSERT_FALSE(main.sound.checked());
    Frmhelp& window = openAndSettle();
    window.form().keyDown(65);
    window.form().mouseDown(nullptr, kRightButton, 0, 0, 0);
    window.form().keyDown(kEsc);
    h.advanceMs(300);
    EXPECT_EQ(help(), nullptr);
    EXPECT_TRUE(h.sound.played.empty());
}

TEST_F(HelpWindowTest, TheSoundSwitchIsReadAtTheMomentOfEachEffect)
{
    // Switched off during the slide-in: no du; switched on again: the next press sounds.
    Frmhelp& window = open();
    h.advanceMs(100);
    main.sound.setChecked(false);
    h.advanceMs(200);
    EXPECT_FALSE(window.Timer1.enabled());
    EXPECT_TRUE(h.sound.played.empty());
    main.sound.setChecked(true);
    window.form().keyDown(65);
    EXPECT_EQ(h.sound.played, std::vector<std::string>{effect(kSoundDing)});
}

TEST_F(HelpWindowTest, ACloseRequestDuringTheSlideInStillEndsWithTheWindowUnloaded)
{
    // At any moment of the slide-in, on a tick or between two, by any of the three ways:
    // starting the slide-out ends the slide-in, so the two steps never cancel each other.
    for (int ticks = 0; ticks < 6; ++ticks)
        for (const int offsetMs : {0, 20})
            for (int way = 0; way < 3; ++way) {
                SCOPED_TRACE(::testing::Message()
                             << "after " << ticks << " ticks and " << offsetMs << " ms, way " << way);
                Frmhelp& window = open();
                h.advanceMs(ticks * 50 + offsetMs);
                ASSERT_TRUE(window.Timer1.enabled());
                if (way == 0)
                    window.form().keyDown(kEsc);
                else if (way == 1)
                    window.form().mouseDown(nullptr, kLeftButton, 0, 0, 0);
                else
                    window.form().click(window.Label1);
                EXPECT_FALSE(window.Timer1.enabled());
                h.advanceMs(2000);
                EXPECT_EQ(help(), nullptr);
                EXPECT_TRUE(h.app.acceptsInput(main.form()));
            }
}

}  // namespace
}  // namespace tappon
