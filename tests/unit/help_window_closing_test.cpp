// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The help window closes by Esc, a left press or a click on its instruction: it slides
// out, sounds as the sound switch says at each moment, unloads, and opens anew.
#include "tests/support/help_window_fixture.h"

#include <gtest/gtest.h>


namespace tappon {
namespace {

using namespace tappon::testing;

TEST_F(HelpWindowTest, EscSlidesThePanelUpAndUnloadsItOnceEntirelyAboveTheScreen)
{
    // Slide-out: 1500 twips up a tick; at Top <= -Height the window unloads.
    Frmhelp& window = openAndSettle();
    window.form().keyDown(kEsc);
    EXPECT_TRUE(window.Timer2.enabled());
    h.advanceMs(50);
    EXPECT_EQ(window.form().top(), kCentredTop - 1500);
    h.advanceMs(200);
    ASSERT_NE(help(), nullptr);
    EXPECT_EQ(window.form().top(), kCentredTop - 5 * 1500);  // -4110: not yet entirely above
    h.advanceMs(50);
    EXPECT_EQ(help(), nullptr);
    ASSERT_FALSE(h.host.detached.empty());
    EXPECT_EQ(h.host.detached.back(), "Frmhelp");
}

TEST_F(HelpWindowTest, ALeftPressOnThePanelSlidesItOut)
{
    // Button 1 on the window's own surface closes it.
    Frmhelp& window = openAndSettle();
    window.form().mouseDown(nullptr, kLeftButton, 0, 600, 4500);
    EXPECT_TRUE(window.Timer2.enabled());
    h.advanceMs(300);
    EXPECT_EQ(help(), nullptr);
}

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

TEST_F(HelpWindowTest, ClickingTheInstructionClosesTheWindowWithoutASound)
{
    // Label1_Click starts the slide-out and plays nothing.
    Frmhelp& window = openAndSettle();
    h.sound.played.clear();
    window.form().click(window.Label1);
    h.advanceMs(300);
    EXPECT_EQ(help(), nullptr);
    EXPECT_TRUE(h.sound.played.empty());
}

TEST_F(HelpWindowTest, WithSoundOnTheArrivalSoundsDuAndEveryPressSoundsDing)
{
    // du when it comes to rest; Ding for any key or button, the closing Esc included.
    Frmhelp& window = open();
    h.advanceMs(250);
    EXPECT_TRUE(h.sound.played.empty());
    h.advanceMs(50);
    EXPECT_EQ(h.sound.played, std::vector<std::string>{effect(kSoundDu)});
    window.form().keyDown(65);
    window.form().mouseDown(nullptr, kRightButton, 0, 0, 0);
    window.form().mouseDown(nullptr, kLeftButton, 0, 0, 0);
    window.form().keyDown(kEsc);
    h.advanceMs(300);
    EXPECT_EQ(help(), nullptr);
    EXPECT_EQ(h.sound.played, (std::vector<std::string>{effect(kSoundDu), effect(kSoundDing), effect(kSoundDing),
                                                         effect(kSoundDing), effect(kSoundDing)}));
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

TEST_F(HelpWindowTest, APressWhileSlidingOutChangesNothingButTheSound)
{
    // Enabling the running slide-out timer does not restart it: the window goes at the same tick.
    Frmhelp& window = openAndSettle();
    window.form().keyDown(kEsc);
    h.advanceMs(120);
    window.form().keyDown(kEsc);
    window.form().mouseDown(nullptr, kLeftButton, 0, 0, 0);
    window.form().click(window.Label1);
    EXPECT_EQ(window.form().top(), kCentredTop - 2 * 1500);
    h.advanceMs(180);
    EXPECT_EQ(help(), nullptr);
    EXPECT_EQ(h.sound.played.size(), 4u);  // du, then Ding for the three presses
}

TEST_F(HelpWindowTest, ItReopensFromAboveTheScreenAsANewWindow)
{
    // Every opening creates the window anew and slides it in again.
    Frmhelp& first = openAndSettle();
    first.form().keyDown(kEsc);
    h.advanceMs(300);
    ASSERT_EQ(help(), nullptr);
    Frmhelp& second = open();
    EXPECT_EQ(second.form().top(), -kHelpHeight);
    EXPECT_EQ(second.form().left(), kCentredLeft);
    EXPECT_TRUE(second.Timer1.enabled());
    EXPECT_FALSE(second.Timer2.enabled());
    h.advanceMs(250);
    EXPECT_TRUE(second.Timer1.enabled());
    h.advanceMs(50);
    EXPECT_EQ(second.form().top(), kCentredTop);
    EXPECT_EQ(std::count(h.host.attached.begin(), h.host.attached.end(), "Frmhelp"), 2);
}

TEST_F(HelpWindowTest, ACloseRequestDuringTheSlideInStillEndsWithTheWindowUnloaded)
{
    // At any moment of the slide-in, on a tick or between two, by any of the three ways:
    // starting the slide-out ends the slide-in, so the two steps never cancel each other.
    for (int ticks = 0; ticks < 6; ++ticks)
        for (const int offsetMs : {0, 20})
            for (int way = 0; way < 3; ++way) {
                SCOPED_TRACE(::testing::Message() << "after " << ticks << " ticks and " << offsetMs << " ms, way " << way);
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
