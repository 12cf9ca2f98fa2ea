// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The splash window loaded on the headless screen and the virtual clock, ticked by tick.
#pragma once

#include "game/startup.h"
#include "platform/window/application.h"
#include "sound/effects.h"
#include "tests/support/harness.h"
#include "windows/frm_splash.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace tappon::testing {

class SplashWindowTest : public ::testing::Test {
protected:
    // Runs the splash up to and including tick `n` (ticks fall every 50 ms from loading).
    void runToTick(int n) { h.advance(std::chrono::milliseconds(50LL * n) - h.clock.now()); }
    void nextTick() { h.advanceMs(50); }

    std::string effect(std::string_view name) const { return effectPath(h.appInfo.folderPath, name); }
    std::vector<std::string> played() const { return h.sound.played; }
    bool splashLoaded() const { return h.app.find<frmSplash>() != nullptr; }

    Harness h;
    frmSplash& splash = h.app.load<frmSplash>(loadMainWindow);
};

}  // namespace tappon::testing
