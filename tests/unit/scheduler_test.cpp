// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/scheduler.h"

#include "tests/support/virtual_clock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tappon {
namespace {

using namespace std::chrono_literals;
using testing::VirtualClock;

class SchedulerTest : public ::testing::Test {
protected:
    long long nowMs() const { return std::chrono::duration_cast<std::chrono::milliseconds>(clock.now()).count(); }
    void advance(Duration d) { clock.advance(scheduler, d); }

    VirtualClock clock;
    Scheduler scheduler{clock};
};

TEST_F(SchedulerTest, TicksStayOnTheirGridForAMinute)
{
    std::vector<long long> ticks;
    const auto id = scheduler.add([&] { ticks.push_back(nowMs()); });
    scheduler.start(id, 1000ms);
    advance(60s);
    ASSERT_EQ(ticks.size(), 60u);
    for (std::size_t i = 0; i < ticks.size(); ++i)
        EXPECT_EQ(ticks[i], 1000 * static_cast<long long>(i + 1));
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

TEST_F(SchedulerTest, AfterAStallATimerTicksOnceAndRephases)
{
    std::vector<long long> ticks;
    const auto id = scheduler.add([&] { ticks.push_back(nowMs()); });
    scheduler.start(id, 50ms);
    // The driver wakes late: 175 ms have passed without any dispatch.
    clock.jump(175ms);
    scheduler.runDue();
    advance(100ms);
    EXPECT_EQ(ticks, (std::vector<long long>{175, 225, 275}));
}

TEST_F(SchedulerTest, ATickMayRemoveAnotherTimer)
{
    int ticksOfB = 0;
    Scheduler::TimerId b = 0;
    const auto a = scheduler.add([&] { scheduler.remove(b); });
    b = scheduler.add([&] { ++ticksOfB; });
    scheduler.start(a, 100ms);
    scheduler.start(b, 100ms);
    advance(1s);
    EXPECT_EQ(ticksOfB, 0);
}

TEST_F(SchedulerTest, ATickMayRemoveItsOwnTimer)
{
    int ticks = 0;
    Scheduler::TimerId id = 0;
    id = scheduler.add([&] {
        ++ticks;
        scheduler.remove(id);
    });
    scheduler.start(id, 100ms);
    advance(1s);
    EXPECT_EQ(ticks, 1);
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
