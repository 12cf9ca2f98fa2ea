// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/clock.h"

#include <QObject>
#include <QTimer>

#include <optional>

class QSocketNotifier;

namespace tappon {

class Scheduler;

// Drives the scheduler of all timers from the real clock: one single-shot timer is
// armed for the earliest deadline, whenever the schedule changes and after every
// dispatch. A tick may open a modal message box; the nested event loop goes on firing
// this timer, and the scheduler skips the tick that is still running.
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
};

}  // namespace tappon
