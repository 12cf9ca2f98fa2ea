// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/time/scheduler.h"

#include "tests/support/virtual_clock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tappon {
namespace {

using namespace std::chrono_literals;
using testing::VirtualClock;

long long msOf(const Clock& clock)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(clock.now()).count();
}

class SchedulerTest : public ::testing::Test {
protected:
    long long nowMs() const { return msOf(clock); }
    void advance(Duration d) { clock.advance(scheduler, d); }

    VirtualClock clock;
    Scheduler scheduler{clock};
};

TEST(SchedulerGridTest, LateDispatchKeepsTheGridAndAStallTicksOnceAndRephases)
{
    // A 50 ms timer whose driver comes late. Deadlines stay on their grid (the previous
    // deadline plus the interval, never now plus the interval); a wake an interval or
    // more late ticks once and the timer re-phases from that moment, with no burst of
    // catch-up ticks; and no deadline is ever ticked twice, even by a second wake.
    struct Case {
        const char* what;
        int firstWakeLate;             // ms after the first deadline
        int laterWakesLate;            // ms after every later deadline
        std::vector<long long> ticks;  // in the first 400 ms
    };
    const Case cases[] = {
        {"on time", 0, 0, {50, 100, 150, 200, 250, 300, 350, 400}},
        {"a fraction late once", 10, 0, {60, 100, 150, 200, 250, 300, 350, 400}},
        {"a fraction late every time", 10, 10, {60, 110, 160, 210, 260, 310, 360}},
        {"just under an interval late once", 49, 0, {99, 100, 150, 200, 250, 300, 350, 400}},
        {"exactly an interval late once", 50, 0, {100, 150, 200, 250, 300, 350, 400}},
        {"just over an interval late once", 51, 0, {101, 151, 201, 251, 301, 351}},
        {"several intervals late once", 175, 0, {225, 275, 325, 375}},
        {"an interval late every time", 50, 50, {100, 200, 300, 400}},
    };
    for (const Case& c : cases) {
        VirtualClock late;
        Scheduler driven(late);
        std::vector<long long> ticks;
        const auto id = driven.add([&] { ticks.push_back(msOf(late)); });
        driven.start(id, 50ms);
        late.jump(50ms + std::chrono::milliseconds(c.firstWakeLate));
        driven.runDue();
        driven.runDue();  // a second wake at the same moment finds nothing due
        late.setLateness(std::chrono::milliseconds(c.laterWakesLate));
        late.advance(driven, 400ms - late.now());
        EXPECT_EQ(ticks, c.ticks) << c.what;
    }
}

TEST_F(SchedulerTest, TiesAreBrokenByTheOrderTimersWereAdded)
{
    std::string order;
    const auto a = scheduler.add([&] { order += 'a'; });
    const auto b = scheduler.add([&] { order += 'b'; });
    scheduler.start(b, 100ms);
    scheduler.start(a, 100ms);
    advance(200ms);
    EXPECT_EQ(order, "abab");
}

TEST_F(SchedulerTest, StartingAgainRestartsTheIntervalFromNow)
{
    std::vector<long long> ticks;
    const auto id = scheduler.add([&] { ticks.push_back(nowMs()); });
    scheduler.start(id, 1000ms);
    advance(700ms);
    scheduler.start(id, 1000ms);
    advance(1800ms);
    EXPECT_EQ(ticks, (std::vector<long long>{1700}));
}

TEST_F(SchedulerTest, AStoppedTimerNeverTicksEvenPastItsDeadline)
{
    int ticks = 0;
    const auto id = scheduler.add([&] { ++ticks; });
    scheduler.start(id, 50ms);
    advance(49ms);
    scheduler.stop(id);
    advance(1s);
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(scheduler.nextDeadline().has_value());
}

TEST_F(SchedulerTest, AnIntervalOfZeroNeverTicks)
{
    int ticks = 0;
    const auto id = scheduler.add([&] { ++ticks; });
    scheduler.start(id, 0ms);
    advance(1s);
    EXPECT_EQ(ticks, 0);
}

TEST_F(SchedulerTest, OtherTimersTickWhileAHandlerWaitsInAModalBox)
{
    // The clock's tick opens a message box for 5 s; the 300 ms timer goes on meanwhile,
    // and the clock's own tick is not re-entered. Once the box closes, the overdue
    // clock ticks at once and then keeps a fresh phase.
    std::vector<long long> fast;
    std::vector<long long> slow;
    int depth = 0;
    int maxDepth = 0;
    const auto slowId = scheduler.add([&] {
        slow.push_back(nowMs());
        maxDepth = std::max(maxDepth, ++depth);
        if (slow.size() == 1)
            advance(5s);  // the box stays open five seconds
        --depth;
    });
    const auto fastId = scheduler.add([&] { fast.push_back(nowMs()); });
    scheduler.start(slowId, 1000ms);
    scheduler.start(fastId, 300ms);
    advance(1000ms);
    EXPECT_EQ(maxDepth, 1);
    // 300, 600, 900 before the box; 1200 ... 6000 while it is open.
    ASSERT_EQ(fast.size(), 20u);
    EXPECT_EQ(fast[3], 1200);
    EXPECT_EQ(fast.back(), 6000);
    advance(1000ms);
    EXPECT_EQ(slow, (std::vector<long long>{1000, 6000, 7000}));
}

TEST_F(SchedulerTest, ADispatchTellsTheDriverOnceHoweverManyTicksItRuns)
{
    // The driver re-arms its one wake-up each time it is told the schedule changed. Two
    // timers due at once, one of which starts a third: the dispatch tells it once, as
    // it ends, and the earliest deadline then is the third timer's.
    Scheduler::TimerId c = 0;
    const auto a = scheduler.add([&] { scheduler.start(c, 30ms); });
    const auto b = scheduler.add([] {});
    c = scheduler.add([] {});
    scheduler.start(a, 100ms);
    scheduler.start(b, 100ms);
    std::vector<long long> toldDeadlines;
    scheduler.setOnChange([&] {
        toldDeadlines.push_back(
            std::chrono::duration_cast<std::chrono::milliseconds>(*scheduler.nextDeadline()).count());
    });
    clock.jump(100ms);
    scheduler.runDue();
    EXPECT_EQ(toldDeadlines, (std::vector<long long>{130}));
}

TEST_F(SchedulerTest, ATickMayRemoveAnotherTimerOrItsOwn)
{
    int ticksOfB = 0;
    int ticksOfC = 0;
    Scheduler::TimerId b = 0;
    Scheduler::TimerId c = 0;
    const auto a = scheduler.add([&] { scheduler.remove(b); });
    b = scheduler.add([&] { ++ticksOfB; });
    c = scheduler.add([&] {
        ++ticksOfC;
        scheduler.remove(c);
    });
    for (const auto id : {a, b, c})
        scheduler.start(id, 100ms);
    advance(1s);
    EXPECT_EQ(ticksOfB, 0);
    EXPECT_EQ(ticksOfC, 1);
}

}  // namespace
}  // namespace tappon

namespace tappon {
namespace {

TEST(SchedulerDispatchTest, AHandlerSlowerThanItsIntervalStillLetsTheDriverBackIn)
{
    // A tick that takes 80 ms of a 50 ms interval (busy, no event loop): one dispatch
    // call ticks it once and returns, instead of ticking it again and again.
    testing::VirtualClock clock;
    Scheduler scheduler(clock);
    int ticks = 0;
    const auto id = scheduler.add([&] {
        ++ticks;
        clock.jump(std::chrono::milliseconds(80));
    });
    scheduler.start(id, std::chrono::milliseconds(50));
    clock.jump(std::chrono::milliseconds(50));
    scheduler.runDue();
    EXPECT_EQ(ticks, 1);
    scheduler.runDue();
    EXPECT_EQ(ticks, 2);
}

}  // namespace
}  // namespace tappon
