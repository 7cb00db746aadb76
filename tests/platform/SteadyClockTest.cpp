// The real clock's timers: deadline order, never early, never from inside callAt, cancel,
// and timers set for "now" from a firing timer wait for the next turn of the loop.
#include "platform/Clock.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

using platform::Clock;

namespace {

// Runs the event loop until done() holds, or for half a minute: far longer than any stall of
// a busy machine, so only a timer that never fires ends it.
void runLoopUntil(const std::function<bool()>& done)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(5);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

TEST(SteadyClock, FiresInDeadlineOrderAndNeverEarly)
{
    Clock& clock = platform::steadyClock();
    const qint64 t0 = clock.nowUs();
    struct Row {
        const char* name;
        qint64 offsetUs;
    };
    const std::vector<Row> rows = {
        {"third", 9000}, {"first", 2300}, {"second", 4700}, {"second, set later", 4700}, {"already past", -5000},
    };
    std::vector<std::string> fired;
    std::vector<qint64> lateUs;
    for (const Row& row : rows) {
        const qint64 at = t0 + row.offsetUs;
        clock.callAt(at, [&, at, name = std::string(row.name)] {
            fired.push_back(name);
            lateUs.push_back(clock.nowUs() - at);
        });
    }
    EXPECT_TRUE(fired.empty()) << "nothing runs inside callAt, not even a past deadline";
    runLoopUntil([&] { return fired.size() == rows.size(); });
    EXPECT_EQ(fired, (std::vector<std::string>{"already past", "first", "second", "second, set later", "third"}));
    for (std::size_t i = 0; i < lateUs.size(); ++i)
        EXPECT_GE(lateUs[i], 0) << fired[i];
}

TEST(SteadyClock, CancelledTimersNeverRun)
{
    Clock& clock = platform::steadyClock();
    const qint64 t0 = clock.nowUs();
    std::vector<int> fired;
    const Clock::TimerId cancelledEarly = clock.callAt(t0 + 1000, [&] { fired.push_back(1); });
    Clock::TimerId cancelledByASibling = 0;
    clock.callAt(t0 + 2000, [&] {
        fired.push_back(2);
        clock.cancel(cancelledByASibling);
    });
    cancelledByASibling = clock.callAt(t0 + 2000, [&] { fired.push_back(3); });
    clock.callAt(t0 + 4000, [&] { fired.push_back(4); });
    clock.cancel(cancelledEarly);
    clock.cancel(987654321); // unknown: ignored
    runLoopUntil([&] { return !fired.empty() && fired.back() == 4; });
    EXPECT_EQ(fired, (std::vector<int>{2, 4}));
}

TEST(SteadyClock, ATimerSetForNowFromAFiringTimerWaitsForTheNextTurn)
{
    Clock& clock = platform::steadyClock();
    int chain = 0;
    std::function<void()> step = [&] {
        if (++chain < 100)
            clock.callAt(clock.nowUs(), step);
    };
    // Other work of the loop, looking at how far the chain has come each time it runs.
    bool sawChainHalfWay = false;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&] { sawChainHalfWay |= chain > 0 && chain < 100; });
    other.start(0);
    clock.callAt(clock.nowUs(), step);
    runLoopUntil([&] { return chain == 100; });
    EXPECT_EQ(chain, 100);
    EXPECT_TRUE(sawChainHalfWay) << "the chain ran in one turn of the loop";
}
