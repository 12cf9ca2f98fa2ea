// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/clock.h"
#include "platform/scheduler.h"

namespace tappon::testing {

// Time that passes only when a test says so. advance() steps from deadline to
// deadline, so every tick a real run would see happens, in deadline order, at its
// exact moment; a tick may itself advance the clock (a message box left open).
class VirtualClock : public Clock {
public:
    Duration now() const override { return now_; }

    void advance(Scheduler& scheduler, Duration duration)
    {
        const Duration target = now_ + duration;
        while (const auto next = scheduler.nextDeadline()) {
            if (*next > target)
                break;
            if (*next > now_)
                now_ = *next;
            scheduler.runDue();
        }
        // A tick that itself let time pass (a message box left open) may have carried
        // the clock beyond the target already; time never runs backwards.
        if (target > now_)
            now_ = target;
        scheduler.runDue();
    }

    // Time passes without any dispatch, as when the program stalls.
    void jump(Duration duration) { now_ += duration; }

private:
    Duration now_{0};
};

}  // namespace tappon::testing
