// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/time/clock.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace tappon {

// Owns the deadlines of every interval timer of every window. It never reads time by
// itself to decide anything but what is due: the driver (the toolkit's precise timer,
// or a test's virtual clock) calls runDue() when the earliest deadline has come.
//
// Deadlines stay on their grid (next += interval). A tick that comes more than an
// interval late fires once and re-phases from now, so a stall never bursts. A timer
// whose tick is still running (its handler waits in a modal message box) is not
// ticked again until that handler returns; every other timer goes on.
class Scheduler {
public:
    using TimerId = std::uint64_t;
    using Invoker = std::function<void(const std::function<void()>&)>;

    explicit Scheduler(const Clock& clock) : clock_(clock) {}
    Scheduler(const Scheduler&) = delete;
    Scheduler& operator=(const Scheduler&) = delete;

    // `name` only labels the timer for an observer of ticks (the toolkit's trace).
    TimerId add(std::function<void()> tick, std::string name = {});
    void remove(TimerId id);

    // (Re)starts the interval from now. An interval of 0 never ticks.
    void start(TimerId id, std::chrono::milliseconds interval);
    void stop(TimerId id);

    // Earliest deadline among started timers whose tick is not in progress: while a
    // tick waits in a modal message box, what the box's event loop must wake for.
    std::optional<Duration> nextDeadline() const;

    // Dispatches every tick due at the clock's present time, earliest deadline first,
    // ties in the order the timers were added. Safe to call again from inside a tick.
    void runDue();

    // Each tick runs through the invoker (which traps runtime errors); default: direct.
    void setInvoker(Invoker invoker) { invoker_ = std::move(invoker); }
    // Called whenever nextDeadline() may have changed, so a driver can re-arm. Changes
    // made during runDue() are told once, when it returns, however many timers it ticked
    // and whatever they started or stopped: one dispatch re-arms a driver once. A tick
    // may run an event loop of its own (a modal message box); the driver then re-arms
    // for nextDeadline() as that loop is about to wait, and a runDue() inside it tells
    // its changes with the one around it.
    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }
    // Told the timer's name right before each tick; for tracing only.
    void setOnTick(std::function<void(const std::string&)> onTick) { onTick_ = std::move(onTick); }

    const Clock& clock() const { return clock_; }

private:
    struct Entry {
        std::function<void()> tick;
        std::string name;
        std::chrono::milliseconds interval{0};
        Duration deadline{0};
        bool started = false;
        bool inTick = false;
    };

    class Dispatch;

    void notifyChange();

    const Clock& clock_;
    std::map<TimerId, Entry> entries_;
    TimerId nextId_ = 1;
    Invoker invoker_;
    std::function<void()> onChange_;
    std::function<void(const std::string&)> onTick_;
    int dispatchDepth_ = 0;  // runDue() calls under way, nested ones included
    bool changedInDispatch_ = false;
};

}  // namespace tappon
