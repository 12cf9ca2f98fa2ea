// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The Qt timer driver against the real steady clock: ticks land on their grid, never
// early, and go on while another tick's handler waits in a nested event loop.
#include "platform/qt/program/qt_timer_driver.h"
#include "platform/time/scheduler.h"
#include "platform/time/steady_clock.h"

#include <QEventLoop>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

#ifdef __linux__
#include <sys/syscall.h>
#include <unistd.h>
#endif

using namespace tappon;
using namespace std::chrono_literals;

class TimerDriverTest : public QObject {
    Q_OBJECT

private slots:
#ifdef __linux__
    void theTimersThreadAsksForShortSlices()
    {
        // sched_attr as far as its runtime, which Linux 6.12 and later report as the
        // slice of a normal thread; older kernels report none and ignore the request.
        struct {
            std::uint32_t size, policy;
            std::uint64_t flags;
            std::int32_t nice;
            std::uint32_t priority;
            std::uint64_t runtime, deadline, period;
        } before{}, after{};
        QCOMPARE(::syscall(SYS_sched_getattr, 0, &before, sizeof before, 0), 0L);
        SteadyClock clock;
        Scheduler scheduler(clock);
        QtTimerDriver driver(scheduler);
        QCOMPARE(::syscall(SYS_sched_getattr, 0, &after, sizeof after, 0), 0L);
        if (before.runtime == 0)
            QSKIP("this kernel has no slices of its own for normal threads");
        QCOMPARE(after.runtime, std::uint64_t{500'000});
        QCOMPARE(after.nice, before.nice);
    }
#endif

    void twentyTicksOfFiftyMillisecondsTakeOneSecond()
    {
        SteadyClock clock;
        Scheduler scheduler(clock);
        QtTimerDriver driver(scheduler);
        QEventLoop loop;
        std::vector<Duration> ticks;
        const auto id = scheduler.add([&] {
            ticks.push_back(clock.now());
            if (ticks.size() == 20)
                loop.quit();
        });
        const Duration start = clock.now();
        scheduler.start(id, 50ms);
        QTimer::singleShot(3000, &loop, &QEventLoop::quit);
        loop.exec();

        QCOMPARE(ticks.size(), std::size_t{20});
        const auto total = std::chrono::duration_cast<std::chrono::milliseconds>(ticks.back() - start);
        QVERIFY2(total >= 1000ms && total <= 1020ms, qPrintable(QString::number(total.count())));
        std::vector<Duration> lateness;
        for (std::size_t i = 0; i < ticks.size(); ++i) {
            QVERIFY2(ticks[i] - start >= 50ms * (i + 1), "a tick came before its deadline");
            lateness.push_back(ticks[i] - start - 50ms * (i + 1));
        }
#ifdef __linux__
        // Armed to the nanosecond, a tick comes within a fraction of a millisecond;
        // a timer counting whole milliseconds would be half a millisecond late on average.
        std::nth_element(lateness.begin(), lateness.begin() + 10, lateness.end());
        const auto median = std::chrono::duration_cast<std::chrono::microseconds>(lateness[10]);
        QVERIFY2(median < 400us, qPrintable(QString::number(median.count()) + " us"));
#endif
    }

    void otherTimersTickWhileAHandlerWaitsInANestedLoop()
    {
        SteadyClock clock;
        Scheduler scheduler(clock);
        QtTimerDriver driver(scheduler);
        int fastTicks = 0;
        int fastTicksDuringWait = -1;
        QEventLoop outer;
        const auto fast = scheduler.add([&] { ++fastTicks; });
        Scheduler::TimerId slow = 0;
        slow = scheduler.add([&] {
            // As the verdict does: the timer stops itself, then a message box runs a
            // nested event loop inside the tick, here for 300 ms.
            scheduler.stop(slow);
            const int before = fastTicks;
            QEventLoop nested;
            QTimer::singleShot(300, &nested, &QEventLoop::quit);
            nested.exec();
            fastTicksDuringWait = fastTicks - before;
            outer.quit();
        });
        scheduler.start(fast, 50ms);
        scheduler.start(slow, 100ms);
        QTimer::singleShot(3000, &outer, &QEventLoop::quit);
        outer.exec();

        QVERIFY2(fastTicksDuringWait >= 3 && fastTicksDuringWait <= 7,
                 qPrintable(QString::number(fastTicksDuringWait)));
    }
};

QTEST_GUILESS_MAIN(TimerDriverTest)
#include "timer_driver_test.moc"
