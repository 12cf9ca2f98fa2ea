// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The splash window: its tiles and shots, its bar, the main window opening at tick forty
// with the chime, all in one transcript; the start of the program on the splash, and
// the bar's special cases in splash_bar_test.cpp.
#include "designs/designs.h"
#include "game/frmtype.h"
#include "tests/support/golden.h"
#include "tests/support/splash_window_fixture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tappon {
namespace {

using namespace tappon::testing;

// The splash from loading until well after it has gone, written down at every
// millisecond at which something changed and at every effect: its tick count, the three
// tiles, the bar (shown, left + width, colour), the generator's seedings and draws, the
// windows shown, gone and loaded, and the main window's level once its load has run.
TEST_F(SplashWindowTest, TheSplashPlaysAsTheTranscriptSays)
{
    std::ostringstream transcript;
    const auto state = [&] {
        std::ostringstream s;
        if (splashLoaded()) {
            const Shape& bar = splash.Shape2;
            const Color c = bar.borderColor();
            s << "tick " << splash.splashTicks << " | tiles " << splash.Image1[0].visible()
              << splash.Image1[1].visible() << splash.Image1[2].visible() << " | bar " << bar.visible() << ' '
              << bar.left() << '+' << bar.width() << " rgb " << int(c.r) << ',' << int(c.g) << ',' << int(c.b);
        } else {
            s << "splash unloaded";
        }
        s << " | seedings " << h.random.seedings << " draws " << h.random.draws << " | shown";
        for (const auto& show : h.host.shows)
            s << ' ' << show.form << (show.mode == ShowMode::Modal ? " modal" : "");
        s << " | gone";
        for (const auto& name : h.host.detached)
            s << ' ' << name;
        const frmtype* main = h.app.find<frmtype>();
        s << " | windows " << h.app.windows().size() << " | main level " << (main ? main->baseSpeed : 0);
        return s.str();
    };
    const auto write = [&](const std::string& line) {
        transcript << std::chrono::duration_cast<std::chrono::milliseconds>(h.clock.now()).count() << ' ' << line
                   << '\n';
    };
    h.sound.onPlay = [&](const std::string& path) {
        write("sound " + path.substr(path.rfind('/') + 1) + " | " + state());
    };
    std::string last;
    for (int ms = 0; ms <= 3000; ++ms, h.advanceMs(1))
        if (const std::string now = state(); now != last)
            write(last = now);
    testing::expectTranscript("splash.txt", transcript.str());
}

TEST_F(SplashWindowTest, ItsSoundsPlayWhateverTheMainWindowsSoundSwitchSays)
{
    // The splash never asks the switch: even with it off, every effect plays.
    runToTick(39);
    h.app.load<frmtype>().sound.setChecked(false);
    nextTick();
    std::vector<std::string> expected(3, effect(kSoundGun));
    expected.push_back(effect(kSoundDing));
    EXPECT_EQ(played(), expected);
}

TEST_F(SplashWindowTest, AnExistingMainWindowIsShownNotCreatedAgain)
{
    runToTick(39);
    frmtype& existing = h.app.load<frmtype>();
    nextTick();
    EXPECT_EQ(h.app.find<frmtype>(), &existing);
    EXPECT_EQ(h.app.windows().size(), 1u);
}

TEST(SplashStartTest, TheProgramStartsOnTheSplashAloneShownModeless)
{
    Harness h;
    startProgram(h.app);
    ASSERT_EQ(h.app.windows().size(), 1u);
    EXPECT_NE(h.app.find<frmSplash>(), nullptr);
    ASSERT_EQ(h.host.shows.size(), 1u);
    EXPECT_EQ(h.host.shows.front().form, "frmSplash");
    EXPECT_EQ(h.host.shows.front().mode, ShowMode::Modeless);
}

}  // namespace
}  // namespace tappon
