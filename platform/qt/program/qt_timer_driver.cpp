// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/program/qt_timer_driver.h"

#include "platform/qt/program/trace.h"
#include "platform/time/scheduler.h"

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>

#include <algorithm>
#include <cassert>
#include <chrono>
#include <cstdint>

#ifdef __linux__
#include <sys/syscall.h>
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace tappon {

#ifdef __linux__
namespace {

// The kernel's struct sched_attr; the C library of Debian 12 has no wrapper for it.
struct SchedulingAttributes {
    std::uint32_t size = sizeof(SchedulingAttributes);
    std::uint32_t policy = 0;
    std::uint64_t flags = 0;
    std::int32_t nice = 0;
    std::uint32_t priority = 0;
    std::uint64_t runtime = 0;
    std::uint64_t deadline = 0;
    std::uint64_t period = 0;
};

// A tick needs a fraction of a millisecond of the processor, but with a build running
// beside the game it waits for a compiler's whole slice first. Since Linux 6.12 a thread
// of the normal policy may ask for shorter slices, and a thread woken with a shorter one
// than the running thread's takes the processor at once; older kernels ignore the
// request. Its share of the processor stays the same, and so does its nice value;
// the threads it starts later inherit the slice.
void askForShortSlices()
{
    constexpr std::uint64_t kSliceNs = 500'000;
    SchedulingAttributes attributes;
    if (::syscall(SYS_sched_getattr, 0, &attributes, sizeof attributes, 0) != 0 || attributes.policy != 0)
        return;  // not the normal policy: the user chose another; leave it
    attributes.size = sizeof attributes;
    attributes.runtime = kSliceNs;
    ::syscall(SYS_sched_setattr, 0, &attributes, 0);
}

}  // namespace
#endif

QtTimerDriver::QtTimerDriver(Scheduler& scheduler, QObject* parent) : QObject(parent), scheduler_(scheduler)
{
#ifdef __linux__
    askForShortSlices();
    timerFd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (timerFd_ >= 0) {
        timerFdNotifier_ = new QSocketNotifier(timerFd_, QSocketNotifier::Read, this);
        connect(timerFdNotifier_, &QSocketNotifier::activated, this, [this] {
            std::uint64_t expirations = 0;
            if (::read(timerFd_, &expirations, sizeof expirations) == sizeof expirations) {
                timerFdArmed_ = false;  // a one-shot timerfd disarms itself as it expires
                fire();
            }
        });
    }
#endif
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { fire(); });
    scheduler_.setOnChange([this] { rearm(); });
    // The scheduler tells the changes of a dispatch only when it ends; an event loop that
    // a tick runs meanwhile asks here for what it must wake for.
    QAbstractEventDispatcher* events = QAbstractEventDispatcher::instance(thread());
    assert(events && "the driver runs on a thread with an event loop");
    connect(events, &QAbstractEventDispatcher::aboutToBlock, this, [this] {
        if (dispatching_ > 0)
            rearm();
    });
    if (trace::enabled())
        scheduler_.setOnTick([](const std::string& name) { trace::event("tick", name); });
    rearm();
}

QtTimerDriver::~QtTimerDriver()
{
    scheduler_.setOnChange({});
    scheduler_.setOnTick({});
#ifdef __linux__
    if (timerFd_ >= 0) {
        delete timerFdNotifier_;
        ::close(timerFd_);
    }
#endif
}

void QtTimerDriver::rearm()
{
    const std::optional<Duration> deadline = scheduler_.nextDeadline();
    if (!deadline) {
        disarm();
        return;
    }
    if (armedFor_ == deadline)
        return;
    armedFor_ = deadline;
    arm(*deadline - scheduler_.clock().now());
}

void QtTimerDriver::arm(Duration wait)
{
#ifdef __linux__
    if (timerFd_ >= 0) {
        // A zero it_value would disarm the timer: a deadline already due waits 1 ns.
        const auto ns = std::max<std::int64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count(), 1);
        itimerspec expiry{};
        expiry.it_value.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
        expiry.it_value.tv_nsec = static_cast<long>(ns % 1'000'000'000);
        timerfd_settime(timerFd_, 0, &expiry, nullptr);
        timerFdArmed_ = true;
        return;
    }
#endif
    // Whole milliseconds, rounded up: the timer must not fire before the deadline.
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(wait).count();
    timer_.start(static_cast<int>(ms > 0 ? ms : 0));
}

void QtTimerDriver::disarm()
{
    armedFor_.reset();
#ifdef __linux__
    if (timerFd_ >= 0) {
        // Each system call counts when idle: the banner's three ticks a second should
        // cost no more than they must.
        if (timerFdArmed_) {
            const itimerspec none{};
            timerfd_settime(timerFd_, 0, &none, nullptr);
            timerFdArmed_ = false;
        }
        return;
    }
#endif
    timer_.stop();
}

void QtTimerDriver::fire()
{
    armedFor_.reset();
    const std::optional<Duration> deadline = scheduler_.nextDeadline();
    if (deadline && *deadline > scheduler_.clock().now()) {
        rearm();  // woke early
        return;
    }
    ++dispatching_;
    scheduler_.runDue();
    --dispatching_;
    rearm();
}

}  // namespace tappon
