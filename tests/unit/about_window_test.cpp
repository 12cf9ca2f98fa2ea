// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "designs/designs.h"
#include "game/frmtype.h"
#include "platform/application.h"
#include "tests/support/harness.h"
#include "windows/frm_about.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tappon {
namespace {

using testing::Harness;


std::string logo(int frame)
{
    return ":/pictures/about/logo" + std::to_string(frame) + ".gif";
}

class AboutWindowTest : public ::testing::Test {
protected:
    AboutWindowTest() { h.app.show(main, ShowMode::Modeless); }

    frmAbout* about() const { return h.app.find<frmAbout>(); }

    // The about menu item, as the player chooses it.
    frmAbout& open()
    {
        main.form().click(main.guanyu);
        frmAbout* window = about();
        EXPECT_NE(window, nullptr);
        return *window;
    }
    // The logo frames shown after each of the next `ticks` ticks, 180 ms apart.
    std::vector<std::string> nextFrames(frmAbout& window, int ticks)
    {
        std::vector<std::string> frames;
        for (int i = 0; i < ticks; ++i) {
            h.advanceMs(180);
            frames.push_back(window.imgLogo.picture().resource);
        }
        return frames;
    }

    Harness h;
    frmtype& main = h.app.load<frmtype>();
};

TEST_F(AboutWindowTest, TheAboutItemShowsTheWindowModallyCentredOnTheMainWindow)
{
    // `guanyu` creates frmAbout and shows it modally; it starts centred on its owner.
    frmAbout& window = open();
    ASSERT_FALSE(h.host.shows.empty());
    EXPECT_EQ(h.host.shows.back().form, "frmAbout");
    EXPECT_EQ(h.host.shows.back().mode, ShowMode::Modal);
    EXPECT_EQ(window.form().left(), main.form().left() + (6915.0f - 4365.0f) / 2);
    EXPECT_EQ(window.form().top(), main.form().top() + (5025.0f - 2880.0f) / 2);
}

TEST_F(AboutWindowTest, LoadingBorrowsTheMainWindowsIcon)
{
    // The design has no icon; Form_Load copies the main window's.
    EXPECT_TRUE(designs::aboutWindow().icon.empty());
    frmAbout& window = open();
    EXPECT_FALSE(main.form().icon().empty());
    EXPECT_EQ(window.form().icon(), main.form().icon());
}

TEST_F(AboutWindowTest, LoadingGivesTheMailLinkTheWebLinksHandCursor)
{
    // Label2's custom pointer has no picture of its own until Form_Load copies Label1's.
    frmAbout& window = open();
    EXPECT_EQ(window.Label1.mouseIcon().resource, ":/pictures/about/hand.cur");
    EXPECT_EQ(window.Label2.mouseIcon(), window.Label1.mouseIcon());
}

TEST_F(AboutWindowTest, LoadingFillsTheLastThreeFramesWithCopiesOfFramesThreeTwoAndOne)
{
    // Image1(9) <- Image1(3), Image1(10) <- Image1(2), Image1(11) <- Image1(1); imgLogo shows Image1(0).
    frmAbout& window = open();
    EXPECT_EQ(window.imgLogo.picture().resource, logo(0));
    EXPECT_EQ(window.Image1[9].picture().resource, logo(3));
    EXPECT_EQ(window.Image1[10].picture().resource, logo(2));
    EXPECT_EQ(window.Image1[11].picture().resource, logo(1));
}

TEST_F(AboutWindowTest, TheLogoRunsThroughTwelveFramesEvery180MsAndStartsAgain)
{
    // Tick n shows frame n - 1: 0 to 8, the copies of 3, 2 and 1, then frame 0 again.
    frmAbout& window = open();
    EXPECT_EQ(nextFrames(window, 13),
              (std::vector<std::string>{logo(0), logo(1), logo(2), logo(3), logo(4), logo(5), logo(6), logo(7),
                                        logo(8), logo(3), logo(2), logo(1), logo(0)}));
}

TEST_F(AboutWindowTest, TheFrameCounterLivesInTheTimersTagAndWrapsAtTwelve)
{
    // The tag holds the next frame as decimal text; it goes back to "0" instead of reaching "12".
    frmAbout& window = open();
    EXPECT_EQ(window.Timer2.tag(), "0");
    h.advanceMs(179);
    EXPECT_EQ(window.Timer2.tag(), "0");
    h.advanceMs(1);
    EXPECT_EQ(window.Timer2.tag(), "1");
    h.advanceMs(180 * 10);
    EXPECT_EQ(window.Timer2.tag(), "11");
    h.advanceMs(180);
    EXPECT_EQ(window.Timer2.tag(), "0");
}

TEST_F(AboutWindowTest, EveryOpeningStartsTheLogoAgainAtFrameZero)
{
    // The window is created anew each time, with its tag back at the design's "0".
    frmAbout& first = open();
    nextFrames(first, 5);
    first.form().click(first.cmdOk);
    frmAbout& second = open();
    EXPECT_EQ(second.Timer2.tag(), "0");
    EXPECT_EQ(second.imgLogo.picture().resource, logo(0));
    EXPECT_EQ(nextFrames(second, 2), (std::vector<std::string>{logo(0), logo(1)}));
}

TEST_F(AboutWindowTest, OkUnloadsTheWindowAndGivesTheMainWindowItsInputBack)
{
    // cmdOk_Click unloads the about window; its timer stops with it.
    frmAbout& window = open();
    window.form().click(window.cmdOk);
    EXPECT_EQ(about(), nullptr);
    EXPECT_TRUE(h.app.acceptsInput(main.form()));
}

TEST_F(AboutWindowTest, ThePlatformsCloseCommandUnloadsItToo)
{
    // The title bar's close button unloads the window; the program goes on.
    frmAbout& window = open();
    h.app.closeRequested(window);
    EXPECT_EQ(about(), nullptr);
    EXPECT_TRUE(h.host.quitCalls.empty());
}

TEST_F(AboutWindowTest, TheMainWindowTakesNoInputWhileTheAboutWindowIsOpen)
{
    // Modal: a click on the start button does nothing until the about window unloads.
    open();
    main.form().click(main.Command1);
    EXPECT_FALSE(main.Timer1.enabled());
    EXPECT_TRUE(h.sound.played.empty());
}

TEST_F(AboutWindowTest, TheMainWindowsTimersKeepRunningWhileItIsOpen)
{
    // A running game is not paused by the about window: the clock and the banner go on.
    main.form().click(main.Command1);
    const std::string secondsAtStart = main.Label5.caption();
    open();
    h.advanceMs(1000);
    EXPECT_NE(main.Label5.caption(), secondsAtStart);
    EXPECT_NE(main.form().caption(), "");
}

TEST_F(AboutWindowTest, TheWebLinkOpensTheSiteMaximisedWithoutAnOwner)
{
    // Label1_Click: ShellExecute(no owner, "open", the web site, no parameters, no directory, maximised).
    frmAbout& window = open();
    window.form().click(window.Label1);
    ASSERT_EQ(h.shell.requests.size(), 1u);
    EXPECT_EQ(h.shell.requests[0], (ShellRequest{.owner = nullptr,
                                                 .operation = "open",
                                                 .file = designs::kWebSite,
                                                 .parameters = "",
                                                 .directory = "",
                                                 .show = ShowCommand::Maximized}));
}

TEST_F(AboutWindowTest, TheMailLinkOpensANewMailOwnedByTheAboutWindowInTheProgramsFolder)
{
    // Label2_Click: ShellExecute(the about window, "Open", mailto with the subject, "", the program's folder, normal).
    frmAbout& window = open();
    window.form().click(window.Label2);
    ASSERT_EQ(h.shell.requests.size(), 1u);
    EXPECT_EQ(h.shell.requests[0],
              (ShellRequest{.owner = &window.form(),
                            .operation = "Open",
                            .file = "mailto:tappon.player@example.com?subject=Quillo3.00",
                            .parameters = "",
                            .directory = "/opt/tappon",
                            .show = ShowCommand::Normal}));
}

TEST_F(AboutWindowTest, EveryTextOfTheWindowIsItsDesignsAndNoCodeSetsOne)
{
    frmAbout& window = open();
    const Form& form = window.form();
    EXPECT_EQ(form.caption(), form.design().caption);
    for (const ControlDesign& c : form.design().controls) {
        const Control& control = form.find(c.name, c.index);
        if (c.kind == ControlKind::Label) {
            EXPECT_EQ(static_cast<const Label&>(control).caption(), c.caption) << c.name;
        } else if (c.kind == ControlKind::Button) {
            EXPECT_EQ(static_cast<const Button&>(control).caption(), c.caption) << c.name;
        }
    }
}

}  // namespace
}  // namespace tappon
