#pragma once

#include "platform/clock.h"

#include <QObject>
#include <QTimer>

#include <optional>

namespace tappon {

class Scheduler;

// Drives the scheduler of all timers from the real clock: one precise single-shot
// timer is armed for the earliest deadline, whenever the schedule changes and after
// every dispatch. A tick may open a modal message box; the nested event loop goes on
// firing this timer, and the scheduler skips the tick that is still running.
class QtTimerDriver : public QObject {
public:
    explicit QtTimerDriver(Scheduler& scheduler, QObject* parent = nullptr);
    ~QtTimerDriver() override;

private:
    void rearm();
    void fire();

    Scheduler& scheduler_;
    QTimer timer_;
    std::optional<Duration> armedFor_;
};

}  // namespace tappon
