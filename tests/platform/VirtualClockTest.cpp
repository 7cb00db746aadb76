#include "platform/VirtualClock.h"

#include <gtest/gtest.h>
#include <string>

using platform::VirtualClock;

namespace {

TEST(VirtualClock, FiresDueTimersInDeadlineOrderEachAtItsOwnTime)
{
    VirtualClock clock;
    const qint64 t0 = clock.nowUs();
    std::vector<std::pair<std::string, qint64>> fired;
    auto at = [&](qint64 offset, const char* name) {
        clock.callAt(t0 + offset, [&, name] { fired.emplace_back(name, clock.nowUs() - t0); });
    };
    at(3000, "third");
    at(1000, "first");
    at(2000, "second");
    at(2000, "second, set later");
    at(9000, "not yet due");
    EXPECT_TRUE(fired.empty()) << "nothing fires inside callAt";

    clock.advanceUs(5000);
    const std::vector<std::pair<std::string, qint64>> expected = {
        {"first", 1000}, {"second", 2000}, {"second, set later", 2000}, {"third", 3000}};
    EXPECT_EQ(fired, expected);
    EXPECT_EQ(clock.nowUs() - t0, 5000);
    EXPECT_EQ(clock.pendingTimers(), 1u);
}

TEST(VirtualClock, TimerSetByAFiringTimerFiresInTheSameAdvanceWhenDue)
{
    VirtualClock clock;
    const qint64 t0 = clock.nowUs();
    std::vector<qint64> fired;
    clock.callAt(t0 + 100, [&] {
        fired.push_back(clock.nowUs() - t0);
        clock.callAt(clock.nowUs() + 50, [&] { fired.push_back(clock.nowUs() - t0); });
    });
    clock.advanceUs(1000);
    EXPECT_EQ(fired, (std::vector<qint64>{100, 150}));
}

TEST(VirtualClock, CancelledTimersNeverFire)
{
    VirtualClock clock;
    const qint64 t0 = clock.nowUs();
    std::vector<int> fired;
    const auto a = clock.callAt(t0 + 10, [&] { fired.push_back(1); });
    VirtualClock::TimerId c = 0;
    clock.callAt(t0 + 20, [&] {
        fired.push_back(2);
        clock.cancel(c);
    });
    c = clock.callAt(t0 + 30, [&] { fired.push_back(3); });
    clock.cancel(a);
    clock.cancel(424242); // unknown: ignored
    clock.advanceUs(100);
    EXPECT_EQ(fired, (std::vector<int>{2}));
    EXPECT_EQ(clock.pendingTimers(), 0u);
}

TEST(VirtualClock, PastDeadlineRunsAtTheNextTurnWithoutMovingTime)
{
    VirtualClock clock;
    const qint64 t0 = clock.nowUs();
    bool fired = false;
    clock.callAt(t0 - 500, [&] { fired = true; });
    EXPECT_FALSE(fired);
    clock.runDue();
    EXPECT_TRUE(fired);
    EXPECT_EQ(clock.nowUs(), t0);
}

TEST(VirtualClock, RunNextJumpsToTheEarliestTimer)
{
    VirtualClock clock;
    const qint64 t0 = clock.nowUs();
    clock.callAt(t0 + 700, [] {});
    clock.callAt(t0 + 300, [] {});
    ASSERT_TRUE(clock.runNext());
    EXPECT_EQ(clock.nowUs() - t0, 300);
    ASSERT_TRUE(clock.runNext());
    EXPECT_EQ(clock.nowUs() - t0, 700);
    EXPECT_FALSE(clock.runNext());
}

} // namespace
