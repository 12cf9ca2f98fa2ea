// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/time/clock.h"

#include <QObject>
#include <QTimer>

#include <optional>

class QSocketNotifier;

namespace tappon {

class Scheduler;

// Drives the scheduler of all timers from the real clock: one single-shot timer is
// armed for the earliest deadline, whenever the schedule changes and once after every
// dispatch, however many ticks it ran. A tick may open a modal message box: while a
// dispatch is under way, the timer is armed again each time an event loop inside it is
// about to wait, so the box's loop goes on firing it for the other timers; the
// scheduler skips the tick that is still running.
//
// On Linux the timer is a timerfd, armed to the nanosecond: Qt's own timers count in
// whole milliseconds, so a tick would land anywhere up to a millisecond after its
// deadline and the intervals would wander by as much.
class QtTimerDriver : public QObject {
public:
    explicit QtTimerDriver(Scheduler& scheduler, QObject* parent = nullptr);
    ~QtTimerDriver() override;

private:
    void rearm();
    void fire();
    void arm(Duration wait);
    void disarm();

    Scheduler& scheduler_;
    QTimer timer_;
    int timerFd_ = -1;
    bool timerFdArmed_ = false;
    QSocketNotifier* timerFdNotifier_ = nullptr;
    std::optional<Duration> armedFor_;
    int dispatching_ = 0;  // fire() calls under way, nested ones included
};

}  // namespace tappon
