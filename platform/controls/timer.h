// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/control.h"
#include "platform/time/scheduler.h"

#include <chrono>
#include <functional>
#include <string>

namespace tappon {

// An interval timer. Enabling a disabled timer starts its interval afresh; enabling an
// enabled one changes nothing; setting the interval restarts it; a disabled timer never
// ticks. The form's scheduler keeps the deadlines.
class Timer : public Control {
public:
    Timer(Form& form, std::string name, int index, Scheduler& scheduler);
    ~Timer() override;

    std::chrono::milliseconds interval() const { return interval_; }
    void setInterval(std::chrono::milliseconds interval);
    void setEnabled(bool enabled) override;

    // Free text that a window may keep with the timer.
    const std::string& tag() const { return tag_; }
    void setTag(std::string tag) { tag_ = std::move(tag); }

    // Stops ticking for good: the window is being unloaded.
    void detach();

    std::function<void()> onTimer;

private:
    void restart();

    Scheduler* scheduler_ = nullptr;
    Scheduler::TimerId id_ = 0;
    std::chrono::milliseconds interval_{0};
    std::string tag_;
};

}  // namespace tappon
