// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The splash window: its tiles and shots, the main window opening at tick forty with the
// chime, and the start of the program on the splash; the bar is in splash_bar_test.cpp.
#include "designs/designs.h"
#include "game/frmtype.h"
#include "tests/support/splash_window_fixture.h"

#include <gtest/gtest.h>

namespace tappon {
namespace {

using namespace tappon::testing;

TEST_F(SplashWindowTest, EachTileAppearsAtItsTickWithAShotAndNotBefore)
{
    // Ticks 2, 4 and 6 show Image1(0), (1) and (2), each with one Gun shot.
    const std::vector<std::vector<bool>> visibleAfterTick = {
        {false, false, false}, {false, false, false}, {true, false, false}, {true, false, false},
        {true, true, false},   {true, true, false},   {true, true, true},   {true, true, true},
    };
    const std::vector<std::size_t> shotsAfterTick = {0, 0, 1, 1, 2, 2, 3, 3};
    for (int tick = 0; tick <= 7; ++tick) {
        if (tick > 0)
            nextTick();
        ASSERT_EQ(splash.splashTicks, tick);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(splash.Image1[i].visible(), visibleAfterTick[tick][i]) << "Image1(" << i << ") after tick " << tick;
        EXPECT_EQ(played().size(), shotsAfterTick[tick]) << "after tick " << tick;
    }
    EXPECT_EQ(played(), std::vector<std::string>(3, effect(kSoundGun)));
}

TEST_F(SplashWindowTest, TheFirstTickComes50MsAfterLoading)
{
    h.advanceMs(49);
    EXPECT_EQ(splash.splashTicks, 0);
    h.advanceMs(1);
    EXPECT_EQ(splash.splashTicks, 1);
}

TEST_F(SplashWindowTest, TheMainWindowOpensAtTickFortyAndNotAtTickThirtyNine)
{
    runToTick(39);
    EXPECT_EQ(h.app.find<frmtype>(), nullptr);
    EXPECT_TRUE(splashLoaded());
    nextTick();
    ASSERT_NE(h.app.find<frmtype>(), nullptr);
    EXPECT_EQ(h.app.find<frmtype>()->baseSpeed, 25);  // Form_Load has run
    EXPECT_EQ(h.clock.now(), std::chrono::milliseconds(2000));
}

TEST_F(SplashWindowTest, AtTickFortyTheMainWindowIsShownModelessTheChimePlaysAndTheSplashGoes)
{
    runToTick(39);
    const std::size_t showsBefore = h.host.shows.size();
    nextTick();

    ASSERT_EQ(h.host.shows.size(), showsBefore + 1);
    EXPECT_EQ(h.host.shows.back().form, "frmtype");
    EXPECT_EQ(h.host.shows.back().mode, ShowMode::Modeless);
    ASSERT_FALSE(played().empty());
    EXPECT_EQ(played().back(), effect(kSoundDing));
    EXPECT_FALSE(splashLoaded());
    ASSERT_EQ(h.app.windows().size(), 1u);
    EXPECT_NE(dynamic_cast<frmtype*>(h.app.windows().front().get()), nullptr);
    EXPECT_EQ(h.host.detached, std::vector<std::string>{"frmSplash"});
}

TEST_F(SplashWindowTest, TheChimeComesAfterTheMainWindowIsShownAndBeforeTheSplashGoes)
{
    // What the windows were like as each effect started: the shows so far, and the splash.
    std::vector<std::pair<std::size_t, bool>> moments;
    h.sound.onPlay = [&](const std::string&) { moments.push_back({h.host.shows.size(), splashLoaded()}); };
    runToTick(40);
    ASSERT_EQ(moments.size(), 4u);
    EXPECT_EQ(moments.back(), (std::pair<std::size_t, bool>{1, true}));
    EXPECT_EQ(h.host.shows.front().form, "frmtype");
    EXPECT_FALSE(splashLoaded());
}

TEST_F(SplashWindowTest, TheSplashNeverTicksAgainAfterItHasGone)
{
    runToTick(40);
    const std::vector<std::string> soundsAtForty = played();
    h.advanceMs(5000);
    EXPECT_EQ(played(), soundsAtForty);
    EXPECT_EQ(h.app.windows().size(), 1u);
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
