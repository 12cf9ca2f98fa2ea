// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/services/services.h"
#include "platform/window/application.h"
#include "tests/support/fakes.h"
#include "tests/support/headless_host.h"
#include "tests/support/virtual_clock.h"

#include <chrono>

namespace tappon::testing {

// A whole program without a screen: fake services, a virtual clock and a headless
// host around one Application. Tests create windows in it and let time pass.
struct Harness : FakeServices {
    VirtualClock clock;
    HeadlessHost host;
    Application app{services, clock, host};

    void advance(Duration duration) { clock.advance(app.scheduler(), duration); }
    void advanceMs(long long ms) { advance(std::chrono::milliseconds(ms)); }
};

}  // namespace tappon::testing
