// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "designs/designs.h"
#include "game/frmtype.h"
#include "platform/application.h"
#include "sound/effects.h"
#include "tests/support/harness.h"
#include "windows/frmhelp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace tappon {
namespace {

using testing::Harness;

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

TEST_F(HelpWindowTest, KeysOtherThanEscLeaveThePanelWhereItIs)
{
    // Only key code 27 starts the slide-out.
    Frmhelp& window = openAndSettle();
    for (const std::int16_t key : {13, 32, 65, 112, 26, 28})
        window.form().keyDown(key);
    h.advanceMs(2000);
    ASSERT_NE(help(), nullptr);
    EXPECT_FALSE(window.Timer2.enabled());
    EXPECT_EQ(window.form().top(), kCentredTop);
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

TEST_F(HelpWindowTest, RightAndMiddlePressesLeaveThePanelWhereItIs)
{
    // Buttons other than the left one never close the window.
    Frmhelp& window = openAndSettle();
    window.form().mouseDown(nullptr, kRightButton, 0, 600, 4500);
    window.form().mouseDown(nullptr, kMiddleButton, 0, 600, 4500);
    h.advanceMs(2000);
    ASSERT_NE(help(), nullptr);
    EXPECT_FALSE(window.Timer2.enabled());
    EXPECT_EQ(window.form().top(), kCentredTop);
}

TEST_F(HelpWindowTest, PressesOnTheAdviceOrThePictureDoNothing)
{
    // Only the window's own surface and the instruction label react to the mouse.
    Frmhelp& window = openAndSettle();
    h.sound.played.clear();
    window.form().mouseDown(&window.Label2[5], kLeftButton, 0, 10, 10);
    window.form().mouseDown(&window.Image1, kLeftButton, 0, 10, 10);
    h.advanceMs(1000);
    ASSERT_NE(help(), nullptr);
    EXPECT_FALSE(window.Timer2.enabled());
    EXPECT_TRUE(h.sound.played.empty());
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

// A close request at any moment of the slide-in, on a tick or between two, by any of
// the three ways: the window always ends slid out and unloaded.
enum class CloseBy { Esc, LeftPress, InstructionClick };

class HelpWindowCloseDuringSlideInTest
    : public HelpWindowTest,
      public ::testing::WithParamInterface<std::tuple<int, int, CloseBy>> {};

TEST_P(HelpWindowCloseDuringSlideInTest, ACloseRequestDuringTheSlideInStillEndsWithTheWindowUnloaded)
{
    // Starting the slide-out ends the slide-in, so the two steps never cancel each other.
    const auto [ticks, offsetMs, closeBy] = GetParam();
    Frmhelp& window = open();
    h.advanceMs(ticks * 50 + offsetMs);
    ASSERT_TRUE(window.Timer1.enabled());
    switch (closeBy) {
    case CloseBy::Esc:
        window.form().keyDown(kEsc);
        break;
    case CloseBy::LeftPress:
        window.form().mouseDown(nullptr, kLeftButton, 0, 0, 0);
        break;
    case CloseBy::InstructionClick:
        window.form().click(window.Label1);
        break;
    }
    EXPECT_FALSE(window.Timer1.enabled());
    h.advanceMs(2000);
    EXPECT_EQ(help(), nullptr);
    EXPECT_TRUE(h.app.acceptsInput(main.form()));
}

INSTANTIATE_TEST_SUITE_P(EveryTickAndWay, HelpWindowCloseDuringSlideInTest,
                         ::testing::Combine(::testing::Range(0, 6), ::testing::Values(0, 20),
                                            ::testing::Values(CloseBy::Esc, CloseBy::LeftPress,
                                                              CloseBy::InstructionClick)));

TEST(HelpWindowDesignTest, TheAdviceArrayHasNoMemberFour)
{
    // Label2 holds the indexes 0, 1, 2, 3 and 5.
    std::set<int> indexes;
    for (const ControlDesign& c : designs::helpWindow().controls)
        if (c.name == "Label2")
            indexes.insert(c.index);
    EXPECT_EQ(indexes, (std::set<int>{0, 1, 2, 3, 5}));
}

TEST(HelpWindowDesignTest, NoControlTakesTheFocusSoKeysGoToTheWindow)
{
    // Every control has tabIndex -1.
    for (const ControlDesign& c : designs::helpWindow().controls)
        EXPECT_EQ(c.tabIndex, -1) << c.name;
}

TEST(HelpWindowDesignTest, TheWindowIsATitleLessBlackPanelOutsideTheTaskBar)
{
    // Empty caption, dialog frame without buttons, placed by its own code.
    const FormDesign& d = designs::helpWindow();
    EXPECT_EQ(d.name, "Frmhelp");
    EXPECT_EQ(d.caption, "");
    EXPECT_EQ(d.border, BorderStyle::FixedDialog);
    EXPECT_FALSE(d.hasTitleBarButtons);
    EXPECT_FALSE(d.showInTaskbar);
    EXPECT_EQ(d.startPosition, StartPosition::Manual);
    EXPECT_EQ(d.clientWidth, 6135.0f);
    EXPECT_EQ(d.clientHeight, 4740.0f);
    EXPECT_EQ(d.backColor, Color::rgb(0, 0, 0));
}

TEST(HelpWindowDesignTest, FourLinesThreePixelsWideFrameTheAdvice)
{
    // Line1(0) to Line1(3), each 3 px in its own colour.
    int lines = 0;
    for (const ControlDesign& c : designs::helpWindow().controls) {
        if (c.kind != ControlKind::Line)
            continue;
        ++lines;
        EXPECT_EQ(c.name, "Line1");
        EXPECT_EQ(c.borderWidthPixels, 3);
        ASSERT_TRUE(c.borderColor.has_value());
    }
    EXPECT_EQ(lines, 4);
}

TEST_F(HelpWindowTest, TheBuiltWindowHasItsDesignedControls)
{
    // The labels, lines, picture and timers as the behaviour uses them.
    Frmhelp& window = open();
    EXPECT_EQ(window.Label1.caption(), "点击或ESC键返回");
    EXPECT_EQ(window.Label2.size(), 5u);
    EXPECT_FALSE(window.Label2.contains(4));
    EXPECT_EQ(window.Label2[5].caption(), "4.兴趣所作,欢迎复制.严禁用于商业目的.");
    EXPECT_EQ(window.Label2[0].foreColor(), Color::rgb(192, 255, 255));
    EXPECT_EQ(window.Line1[1].color(), Color::rgb(255, 128, 0));
    EXPECT_EQ(window.Line1[2].y1(), 4110.0f);
    EXPECT_EQ(window.Image1.picture().resource, ":/pictures/help/title.jpg");
    EXPECT_EQ(window.Timer2.interval(), std::chrono::milliseconds(50));
    EXPECT_EQ(window.form().focused(), nullptr);
}

}  // namespace
}  // namespace tappon
