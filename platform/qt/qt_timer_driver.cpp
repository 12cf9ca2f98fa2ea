#include "platform/qt/qt_timer_driver.h"

#include "platform/qt/trace.h"
#include "platform/scheduler.h"

#include <chrono>

namespace tappon {

QtTimerDriver::QtTimerDriver(Scheduler& scheduler, QObject* parent) : QObject(parent), scheduler_(scheduler)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { fire(); });
    scheduler_.setOnChange([this] { rearm(); });
    if (trace::enabled())
        scheduler_.setOnTick([](const std::string& name) { trace::event("tick", name); });
    rearm();
}

QtTimerDriver::~QtTimerDriver()
{
    scheduler_.setOnChange({});
    scheduler_.setOnTick({});
}

void QtTimerDriver::rearm()
{
    const std::optional<Duration> deadline = scheduler_.nextDeadline();
    if (!deadline) {
        timer_.stop();
        armedFor_.reset();
        return;
    }
    if (timer_.isActive() && armedFor_ == deadline)
        return;
    const Duration wait = *deadline - scheduler_.clock().now();
    // Whole milliseconds, rounded up: the timer must not fire before the deadline.
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(wait).count();
    armedFor_ = deadline;
    timer_.start(static_cast<int>(ms > 0 ? ms : 0));
}

void QtTimerDriver::fire()
{
    armedFor_.reset();
    const std::optional<Duration> deadline = scheduler_.nextDeadline();
    if (deadline && *deadline > scheduler_.clock().now()) {
        rearm();  // woke early
        return;
    }
    scheduler_.runDue();
    rearm();
}

}  // namespace tappon
