// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/time/clock.h"
#include "platform/time/scheduler.h"

namespace tappon::testing {

// Time that passes only when a test says so. advance() steps from deadline to
// deadline, so every tick a real run would see happens, in deadline order, at its
// exact moment; a tick may itself advance the clock (a message box left open).
// A test may make the driver late: every dispatch then comes that long after the
// deadline that called for it, as from a loaded machine's event loop.
class VirtualClock : public Clock {
public:
    Duration now() const override { return now_; }

    void advance(Scheduler& scheduler, Duration duration)
    {
        const Duration target = now_ + duration;
        while (const auto next = scheduler.nextDeadline()) {
            const Duration wake = *next + lateness_;
            if (wake > target)
                break;
            if (wake > now_)
                now_ = wake;
            scheduler.runDue();
        }
        // A tick that itself let time pass (a message box left open) may have carried
        // the clock beyond the target already; time never runs backwards, and what
        // fell due meanwhile is dispatched when the box closes.
        if (target > now_)
            now_ = target;
        else
            scheduler.runDue();
    }

    // Time passes without any dispatch, as when the program stalls.
    void jump(Duration duration) { now_ += duration; }

    // How long after each deadline advance() dispatches it; 0 (on time) unless set.
    void setLateness(Duration lateness) { lateness_ = lateness; }

private:
    Duration now_{0};
    Duration lateness_{0};
};

}  // namespace tappon::testing
