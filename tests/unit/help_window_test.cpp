// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The help window opens modally over the main window, slides in from above the screen
// to stand centred on it, and holds the main window's input while it is open; how it
// closes is in help_window_closing_test.cpp.
#include "designs/designs.h"
#include "tests/support/help_window_fixture.h"

#include <gtest/gtest.h>

namespace tappon {
namespace {

using namespace tappon::testing;

TEST_F(HelpWindowTest, TheHelpItemShowsTheWindowModallyOverTheMainWindow)
{
    // `care` creates the help window and shows it modally.
    open();
    ASSERT_FALSE(h.host.shows.empty());
    EXPECT_EQ(h.host.shows.back().form, "Frmhelp");
    EXPECT_EQ(h.host.shows.back().mode, ShowMode::Modal);
}

TEST_F(HelpWindowTest, F1OpensTheHelpWindow)
{
    // F1 is the shortcut of the help menu item.
    EXPECT_TRUE(main.form().shortcut("F1"));
    EXPECT_NE(help(), nullptr);
}

TEST_F(HelpWindowTest, ItStartsJustAboveTheScreenCentredAcrossTheMainWindow)
{
    // Left centres it horizontally on the main window; Top = -Height puts its bottom edge on the screen's top.
    Frmhelp& window = open();
    EXPECT_EQ(window.form().left(), kCentredLeft);
    EXPECT_EQ(window.form().top(), -kHelpHeight);
    EXPECT_TRUE(window.Timer1.enabled());
    EXPECT_FALSE(window.Timer2.enabled());
}

TEST_F(HelpWindowTest, ItDropsFifteenHundredTwipsEveryFiftyMilliseconds)
{
    // Each slide-in tick moves the panel 1500 twips down.
    Frmhelp& window = open();
    h.advanceMs(49);
    EXPECT_EQ(window.form().top(), -kHelpHeight);
    h.advanceMs(1);
    EXPECT_EQ(window.form().top(), -3240.0f);
    h.advanceMs(50);
    EXPECT_EQ(window.form().top(), -1740.0f);
}

TEST_F(HelpWindowTest, OnTheCentredMainWindowTheSlideInTakesSixTicksAndEndsCentred)
{
    // -4740 + 5 x 1500 = 2760 is still more than 50 above 3247.5; the sixth tick jumps to the centre.
    Frmhelp& window = open();
    h.advanceMs(250);
    EXPECT_EQ(window.form().top(), 2760.0f);
    EXPECT_TRUE(window.Timer1.enabled());
    h.advanceMs(50);
    EXPECT_EQ(window.form().top(), kCentredTop);
    EXPECT_EQ(window.form().left(), kCentredLeft);
    EXPECT_FALSE(window.Timer1.enabled());
    h.advanceMs(1000);
    EXPECT_EQ(window.form().top(), kCentredTop);
}

TEST_F(HelpWindowTest, TheSlideInEndsWhenTheTopEdgeIsExactlyFiftyTwipsAboveTheMainWindow)
{
    // After four ticks the panel stands at 1260; a main window at 1310 is exactly 50 below that.
    main.form().move(0, 1310);
    Frmhelp& window = open();
    h.advanceMs(200);
    EXPECT_FALSE(window.Timer1.enabled());
    EXPECT_EQ(window.form().top(), (5025.0f - kHelpHeight) / 2 + 1310);
}

TEST_F(HelpWindowTest, FiftyOneTwipsAboveTheMainWindowTheSlideInGoesOn)
{
    // With the main window at 1311 the fourth tick leaves the panel 51 above it: one more tick.
    main.form().move(0, 1311);
    Frmhelp& window = open();
    h.advanceMs(200);
    EXPECT_TRUE(window.Timer1.enabled());
    EXPECT_EQ(window.form().top(), 1260.0f);
    h.advanceMs(50);
    EXPECT_FALSE(window.Timer1.enabled());
    EXPECT_EQ(window.form().top(), (5025.0f - kHelpHeight) / 2 + 1311);
}

TEST_F(HelpWindowTest, AMainWindowPartlyAboveTheScreenEndsTheSlideInOnTheFirstTick)
{
    // A main window whose Top is at most 1550 - Height is reached by the first step.
    main.form().move(300, 1550 - kHelpHeight);
    Frmhelp& window = open();
    h.advanceMs(50);
    EXPECT_FALSE(window.Timer1.enabled());
    EXPECT_EQ(window.form().top(), (5025.0f - kHelpHeight) / 2 + (1550 - kHelpHeight));
}

TEST_F(HelpWindowTest, ItFollowsWhereverTheMainWindowStands)
{
    // Both centring formulas read the main window's place at the moment they run.
    main.form().move(1000, 2000);
    Frmhelp& window = open();
    EXPECT_EQ(window.form().left(), 1000 + (6915.0f - 6135.0f) / 2);
    h.advanceMs(1000);
    EXPECT_EQ(window.form().top(), 2000 + (5025.0f - kHelpHeight) / 2);
}

TEST_F(HelpWindowTest, AHelpWindowTallerThanTheMainWindowSettlesAboveItsTopEdge)
{
    // The centring formula gives a Top above the main window's own when the panel is the taller one.
    Frmhelp& window = open();
    window.form().setFrameMetrics(FrameMetrics{.left = 0, .top = 600, .right = 0, .bottom = 0});
    ASSERT_EQ(window.form().height(), 5340.0f);
    h.advanceMs(300);
    EXPECT_FALSE(window.Timer1.enabled());
    EXPECT_EQ(window.form().top(), (5025.0f - 5340.0f) / 2 + 3247.5f);
    EXPECT_LT(window.form().top(), main.form().top());
}

TEST_F(HelpWindowTest, TheMainWindowTakesNoClicksOrMenuCommandsWhileTheHelpWindowIsOpen)
{
    // The help window is modal: the start button and F2 do nothing until it is gone.
    Frmhelp& window = openAndSettle();
    startGame();
    main.form().shortcut("F2");
    EXPECT_FALSE(main.Timer1.enabled());
    EXPECT_TRUE(main.Command1.enabled());
    EXPECT_EQ(main.Label5.caption(), "0");
    window.form().keyDown(kEsc);
    h.advanceMs(300);
    ASSERT_EQ(help(), nullptr);
    startGame();
    EXPECT_TRUE(main.Timer1.enabled());
    EXPECT_EQ(main.Label5.caption(), "60");
}

TEST_F(HelpWindowTest, TheMainWindowCountsNoTypedKeysWhileTheHelpWindowIsOpen)
{
    // Typed letters reach the playing field again only after the help window has unloaded.
    startGame();
    ASSERT_TRUE(main.form().shortcut("F1"));
    for (int i = 0; i < 5; ++i)
        main.form().keyPress(static_cast<std::int16_t>(main.Label1[i].caption().at(0)));
    EXPECT_EQ(main.hitCount, 0);
    EXPECT_EQ(main.Label4.caption(), "0");
    help()->form().keyDown(kEsc);
    h.advanceMs(300);
    ASSERT_EQ(help(), nullptr);
    main.form().keyPress(static_cast<std::int16_t>(main.Label1[0].caption().at(0)));
    EXPECT_GE(main.hitCount, 1);
}

TEST_F(HelpWindowTest, ARunningGameGoesOnWhileTheHelpWindowIsOpen)
{
    // Opening help pauses nothing: the game clock keeps counting down.
    startGame();
    ASSERT_EQ(main.Label5.caption(), "60");
    ASSERT_TRUE(main.form().shortcut("F1"));
    h.advanceMs(3000);
    ASSERT_NE(help(), nullptr);
    EXPECT_EQ(main.Label5.caption(), "57");
    EXPECT_TRUE(main.Timer1.enabled());
    EXPECT_FALSE(main.paused);
}

TEST(HelpWindowDesignTest, NoControlTakesTheFocusSoKeysGoToTheWindow)
{
    // Every control has tabIndex -1.
    for (const ControlDesign& c : designs::helpWindow().controls)
        EXPECT_EQ(c.tabIndex, -1) << c.name;
}

TEST_F(HelpWindowTest, TheBuiltWindowHasTheAdviceArrayWithoutMemberFourAndNothingFocused)
{
    // The behaviour walks Label2 by its indexes 0, 1, 2, 3 and 5; keys go to the window.
    Frmhelp& window = open();
    EXPECT_EQ(window.Label2.size(), 5u);
    EXPECT_FALSE(window.Label2.contains(4));
    EXPECT_TRUE(window.Label2.contains(5));
    EXPECT_EQ(window.form().focused(), nullptr);
}

}  // namespace
}  // namespace tappon
