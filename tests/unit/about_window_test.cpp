// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The about window: its logo animation, its links, and the main window beside it.
#include "designs/designs.h"
#include "tests/support/about_window_fixture.h"
#include "tests/support/golden.h"

#include <sstream>
#include <string>

namespace tappon {
namespace {

using testing::AboutWindowTest;

// Two openings of the about window from its menu item, the first closed with OK after a
// whole round of its logo, written down at every millisecond at which something
// changed: its place, the logo's frame and the timer's tag that counts it, the frames
// the load fills in, its icon and the mail link's pointer, the windows shown and gone,
// and whether the main window takes input.
TEST_F(AboutWindowTest, TwoOpeningsPlayAsTheTranscriptSays)
{
    std::ostringstream transcript;
    const auto name = [](const Picture& picture) { return picture.resource.substr(picture.resource.rfind('/') + 1); };
    const auto state = [&] {
        std::ostringstream s;
        if (const frmAbout* window = about())
            s << "about at " << window->form().left() << ',' << window->form().top() << " | logo "
              << name(window->imgLogo.picture()) << " tag " << window->Timer2.tag() << " | frames 9-11 "
              << name(window->Image1[9].picture()) << ' ' << name(window->Image1[10].picture()) << ' '
              << name(window->Image1[11].picture()) << " | icon " << window->form().icon().resource
              << " | mail pointer " << window->Label2.mouseIcon().resource;
        else
            s << "no about";
        s << " | shown";
        for (const auto& show : h.host.shows)
            s << ' ' << show.form << (show.mode == ShowMode::Modal ? " modal" : "");
        s << " | gone " << h.host.detached.size() << " | main takes input " << h.app.acceptsInput(main.form());
        return s.str();
    };
    std::string last;
    for (int ms = 0; ms <= 3000; ++ms, h.advanceMs(1)) {
        if (ms == 0 || ms == 2500)
            open();
        else if (ms == 2400)
            about()->form().click(about()->cmdOk);
        if (const std::string now = state(); now != last)
            transcript << ms << ' ' << (last = now) << '\n';
    }
    EXPECT_TRUE(designs::aboutWindow().icon.empty()) << "the icon in the transcript is the main window's";
    testing::expectTranscript("about_window.txt", transcript.str());
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
    EXPECT_EQ(h.shell.requests[0], (ShellRequest{.owner = &window.form(),
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
