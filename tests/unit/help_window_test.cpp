// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The help window opens modally over the main window, slides in from above the screen
// to stand centred on it, holds the main window's input while it is open, and slides
// out when closed (its plain runs in one transcript); the other ways it is closed, or
// not, are in help_window_closing_test.cpp.
#include "tests/support/golden.h"
#include "tests/support/help_window_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>

namespace tappon {
namespace {

using namespace tappon::testing;

// Three openings of the help window from its menu item, each closed another way (Esc,
// a left press on the panel, a click on the instruction) with other presses before and
// while it slides out, written down at every millisecond at which something changed and
// at every effect: its place, its two timers, the windows shown, built and gone, and
// whether the main window takes input.
TEST_F(HelpWindowTest, ThreeOpeningsPlayAsTheTranscriptSays)
{
    std::ostringstream transcript;
    const auto state = [&] {
        std::ostringstream s;
        if (const Frmhelp* window = help())
            s << "help at " << window->form().left() << ',' << window->form().top() << " timers "
              << window->Timer1.enabled() << window->Timer2.enabled();
        else
            s << "no help";
        s << " | shown";
        for (const auto& show : h.host.shows)
            s << ' ' << show.form << (show.mode == ShowMode::Modal ? " modal" : "");
        s << " | built " << std::count(h.host.attached.begin(), h.host.attached.end(), "Frmhelp") << " gone "
          << h.host.detached.size() << " | main takes input " << h.app.acceptsInput(main.form());
        return s.str();
    };
    const auto write = [&](const std::string& line) {
        transcript << std::chrono::duration_cast<std::chrono::milliseconds>(h.clock.now()).count() << ' ' << line
                   << '\n';
    };
    h.sound.onPlay = [&](const std::string& path) {
        write("sound " + path.substr(path.rfind('/') + 1) + " | " + state());
    };
    const std::map<int, std::function<void()>> script = {
        {0, [&] { open(); }},
        {400,
         [&] {
             help()->form().keyDown(65);
             help()->form().mouseDown(nullptr, kRightButton, 0, 0, 0);
         }},
        {450, [&] { help()->form().keyDown(kEsc); }},
        {520,
         [&] {
             help()->form().keyDown(kEsc);
             help()->form().mouseDown(nullptr, kLeftButton, 0, 0, 0);
             help()->form().click(help()->Label1);
         }},
        {1000, [&] { open(); }},
        {1400, [&] { help()->form().mouseDown(nullptr, kLeftButton, 0, 600, 4500); }},
        {2000, [&] { open(); }},
        {2400, [&] { help()->form().click(help()->Label1); }},
    };
    std::string last;
    for (int ms = 0; ms <= 3000; ++ms, h.advanceMs(1)) {
        if (const auto step = script.find(ms); step != script.end())
            step->second();
        if (const std::string now = state(); now != last)
            write(last = now);
    }
    testing::expectTranscript("help_window.txt", transcript.str());
}

TEST_F(HelpWindowTest, F1OpensTheHelpWindow)
{
    // F1 is the shortcut of the help menu item.
    EXPECT_TRUE(main.form().shortcut("F1"));
    EXPECT_NE(help(), nullptr);
}

TEST_F(HelpWindowTest, TheSlideInEndsCentredOnTheMainWindowOnceItIsAtMostFiftyTwipsBelow)
{
    // Each tick drops the panel 1500 twips; when the main window's top edge is then at
    // most 50 below the panel's, the panel jumps to stand centred on it and stays. Both
    // centring formulas read the main window's place at the moment they run.
    struct Case {
        Twips mainLeft, mainTop;
        int ticks;  // to come to rest
    };
    const Case cases[] = {
        {4222.5f, 3247.5f, 6},         // the centred main window: 2760 is still 487.5 above it
        {0, 1310, 4},                  // 1260 after four ticks: exactly 50 above
        {0, 1311, 5},                  // 51 above: one tick more
        {300, 1550 - kHelpHeight, 1},  // partly above the screen: the first step reaches it
        {1000, 2000, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "main window at " << c.mainLeft << ", " << c.mainTop);
        main.form().move(c.mainLeft, c.mainTop);
        Frmhelp& window = open();
        EXPECT_EQ(window.form().left(), c.mainLeft + (6915.0f - 6135.0f) / 2);
        h.advanceMs(50 * (c.ticks - 1));
        EXPECT_TRUE(window.Timer1.enabled());
        EXPECT_EQ(window.form().top(), -kHelpHeight + 1500.0f * float(c.ticks - 1));
        h.advanceMs(50);
        EXPECT_FALSE(window.Timer1.enabled());
        EXPECT_EQ(window.form().top(), c.mainTop + (5025.0f - kHelpHeight) / 2);
        h.advanceMs(1000);
        EXPECT_EQ(window.form().top(), c.mainTop + (5025.0f - kHelpHeight) / 2);
        window.form().keyDown(kEsc);
        h.advanceMs(500);
        ASSERT_EQ(help(), nullptr);
    }
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
