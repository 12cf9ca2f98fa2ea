// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The splash window's bar where its plain run (the splash transcript) does not go: a
// frame reported late, colours at their rounding edges, a bar as wide as the window or
// wider, and a window narrower than the bar.
#include "designs/designs.h"
#include "game/frmtype.h"
#include "tests/support/splash_window_fixture.h"

#include <gtest/gtest.h>

namespace tappon {
namespace {

using namespace tappon::testing;

TEST_F(SplashWindowTest, TheCentringAndTheWidthTestUseTheOuterWidthReadAnewAtEachGrowth)
{
    // The window's Width includes its frame; a frame reported later counts from then on.
    runToTick(9);
    splash.form().setFrameMetrics(FrameMetrics{.left = 45, .top = 300, .right = 45, .bottom = 45});
    nextTick();
    EXPECT_EQ(splash.Shape2.left(), (4800.0f - 4255.0f) / 2.0f);
    // A frame 800 wide on each side makes the window 6310 wide: 6255 still grows, once.
    splash.form().setFrameMetrics(FrameMetrics{.left = 800, .top = 300, .right = 800, .bottom = 45});
    nextTick();
    nextTick();
    EXPECT_EQ(splash.Shape2.width(), 8255.0f);
    nextTick();
    EXPECT_EQ(splash.Shape2.width(), 8255.0f);
}

TEST_F(SplashWindowTest, ColourComponentsRoundHalvesToEvenAndShow256As255)
{
    // r x 256 = 0.5 gives 0, 1.5 gives 2; 255.5 and above give 256, shown as 255.
    runToTick(8);
    h.random.queue({0.5f / 256, 1.5f / 256, 255.5f / 256});
    nextTick();
    EXPECT_EQ(splash.Shape2.borderColor(), Color::rgb(0, 2, 255));
    h.random.queue({2.5f / 256, 254.5f / 256, 0.99999994f});
    nextTick();
    EXPECT_EQ(splash.Shape2.borderColor(), Color::rgb(2, 254, 255));
}

TEST_F(SplashWindowTest, ABarAsWideAsTheWindowIsNeitherWidenedNorRecoloured)
{
    // The bar grows only while it is narrower than the window: a bar exactly as wide as
    // the window (4710), or wider, draws no colour and keeps its width.
    for (const float extra : {0.0f, 1545.0f}) {
        Harness fresh;
        frmSplash& bar = fresh.app.load<frmSplash>(loadMainWindow);
        fresh.advanceMs(50 * 10);
        const float width = bar.form().width() + extra;
        bar.Shape2.setWidth(width);
        const Color colour = bar.Shape2.borderColor();
        const int draws = fresh.random.draws;
        fresh.random.queue({0.25f, 0.5f, 0.75f});
        fresh.advanceMs(50 * 3);
        EXPECT_EQ(bar.Shape2.width(), width) << "window width + " << extra;
        EXPECT_EQ(bar.Shape2.borderColor(), colour) << "window width + " << extra;
        EXPECT_EQ(fresh.random.draws, draws) << "window width + " << extra;
    }
}

// A splash window narrower than the bar's design width of 255.
FormDesign narrowSplash()
{
    FormDesign design = designs::splashWindow();
    design.clientWidth = 200;
    return design;
}

TEST(NarrowSplashWindowTest, SeesNoGrowthUntilTheCollapseThenGrowsOnceFromZero)
{
    // The width test reads the bar's width before the growth: 255 is not less than 200.
    Harness h;
    frmSplash& splash = h.app.load<frmSplash>(loadMainWindow, narrowSplash());
    h.advanceMs(50 * 14);
    EXPECT_EQ(splash.splashTicks, 14);
    EXPECT_FALSE(splash.Shape2.visible());
    EXPECT_EQ(splash.Shape2.borderColor(), Color::rgb(255, 255, 255));
    EXPECT_EQ(h.random.seedings, 0);
    EXPECT_EQ(splash.Shape2.width(), 0.0f);

    h.advanceMs(50);
    EXPECT_TRUE(splash.Shape2.visible());
    EXPECT_EQ(splash.Shape2.width(), 2000.0f);
    EXPECT_EQ(splash.Shape2.left(), -900.0f);
    h.advanceMs(50 * 4);
    EXPECT_EQ(splash.Shape2.width(), 2000.0f);
    EXPECT_EQ(h.random.seedings, 1);
}
}  // namespace
}  // namespace tappon
