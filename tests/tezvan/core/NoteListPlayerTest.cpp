// Playback of a note list on a virtual clock: what the window is told at each step, and
// exactly when each note sounds.
#include "tezvan/core/NoteListPlayer.h"
#include "tezvan/core/NoteLists.h"

#include "platform/VirtualClock.h"
#include "support/Files.h"
#include "support/LateClock.h"
#include "support/QStringPrinter.h"
#include "support/RowName.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

using namespace tezvan;
using testing_support::LateClock;
using testing_support::lines;
using testing_support::RowName;

namespace {

// The list the player reads, and every signal written down as a line
// "<what> @<microseconds since the host was made>".
class RecordingHost {
public:
    RecordingHost(const platform::Clock& clock, const QStringList& entries) : clock_(clock), t0_(clock.nowUs())
    {
        setEntries(entries);
    }

    void setEntries(const QStringList& entries) { lists.replaceAll(entries, entries); }

    void listenTo(const NoteListPlayer& player)
    {
        QObject::connect(&player, &NoteListPlayer::started, [this] {
            log(QStringLiteral("started"));
            if (onStarted)
                onStarted();
        });
        QObject::connect(&player, &NoteListPlayer::turn, [this](int index) {
            log(QStringLiteral("turn %1").arg(index));
            if (onTurn)
                onTurn(index);
        });
        QObject::connect(&player, &NoteListPlayer::noteDue, [this](int index, int noteNumber, bool isLastLine) {
            log(QStringLiteral("note %1 N%2%3")
                    .arg(index)
                    .arg(noteNumber)
                    .arg(isLastLine ? QStringLiteral(" last") : QString()));
            onsetsUs.push_back(clock_.nowUs() - t0_);
            if (onNote)
                onNote(index);
        });
        QObject::connect(&player, &NoteListPlayer::finished, [this] {
            log(QStringLiteral("finished"));
            ++finishCount;
            if (onFinished)
                onFinished();
        });
    }

    NoteLists lists;
    QStringList steps;
    std::vector<qint64> onsetsUs;
    int finishCount = 0;
    std::function<void()> onStarted;
    std::function<void(int)> onTurn, onNote;
    std::function<void()> onFinished;

private:
    void log(const QString& what) { steps.append(what + QStringLiteral(" @%1").arg(clock_.nowUs() - t0_)); }

    const platform::Clock& clock_;
    qint64 t0_;
};

// A player on a virtual clock of its own, telling a recording host what it does.
struct Rig {
    explicit Rig(const QStringList& entries) : host(clock, entries) { host.listenTo(player); }

    platform::VirtualClock clock;
    RecordingHost host;
    NoteListPlayer player{clock, host.lists};
};

void runToEnd(platform::VirtualClock& clock, const NoteListPlayer& player)
{
    while (player.isPlaying() && clock.runNext()) {
    }
}

} // namespace

TEST(NoteListPlayer, NothingHappensForAnEmptyList)
{
    Rig rig({});
    auto& [clock, host, player] = rig;
    EXPECT_FALSE(player.start());
    EXPECT_FALSE(player.isPlaying());
    EXPECT_TRUE(host.steps.isEmpty());
}

struct LatenessRow : testing_support::NamedRow {
    qint64 latenessUs;
};

class NoteListPlayerLateTimers : public ::testing::TestWithParam<LatenessRow> {};

TEST_P(NoteListPlayerLateTimers, NeverAddUpOverManyEntries)
{
    const LatenessRow& row = GetParam();
    QStringList entries;
    std::vector<qint64> scheduleUs;
    qint64 sumUs = 0;
    for (int k = 0; k < 1000; ++k) {
        const int pause = (k * 7) % 21; // 0..20 ms
        entries.append(QStringLiteral("%1=%2").arg(k % 14, 2, 10, QLatin1Char('0')).arg(pause));
        sumUs += pause * 1000;
        scheduleUs.push_back(sumUs);
    }
    platform::VirtualClock virtualClock;
    LateClock clock(virtualClock, row.latenessUs);
    RecordingHost host(clock, entries);
    NoteListPlayer player(clock, host.lists);
    host.listenTo(player);
    player.start();
    runToEnd(virtualClock, player);
    ASSERT_EQ(host.onsetsUs.size(), scheduleUs.size());
    qint64 worstUs = 0;
    for (std::size_t k = 0; k < scheduleUs.size(); ++k) {
        EXPECT_GE(host.onsetsUs[k], scheduleUs[k]) << "note " << k;
        worstUs = std::max(worstUs, host.onsetsUs[k] - scheduleUs[k]);
    }
    EXPECT_LE(worstUs, row.latenessUs);
    EXPECT_LE(host.onsetsUs.back() - scheduleUs.back(), row.latenessUs);
}

INSTANTIATE_TEST_SUITE_P(Rows, NoteListPlayerLateTimers,
                         ::testing::Values(LatenessRow{"on time", 0}, LatenessRow{"each timer 0.7 ms late", 700},
                                           LatenessRow{"each timer later than the next wait", 3500}),
                         RowName());

// A playback of entries: what is done to it once started (played to the end, stopped, the
// list changed), and every step the host is told.
struct RunRow : testing_support::NamedRow {
    QStringList entries;
    std::function<void(platform::VirtualClock&, NoteListPlayer&, RecordingHost&)> act;
    QStringList steps;
};

void playsToTheEnd(platform::VirtualClock& clock, NoteListPlayer& player, RecordingHost&)
{
    runToEnd(clock, player);
}

class NoteListPlayerRuns : public ::testing::TestWithParam<RunRow> {};

TEST_P(NoteListPlayerRuns, TellTheHostEachStepInOrderAndOnTimeAndEndIdleWithOneFinish)
{
    const RunRow& row = GetParam();
    Rig rig(row.entries);
    auto& [clock, host, player] = rig;
    ASSERT_TRUE(player.start());
    row.act(clock, player, host);
    EXPECT_EQ(host.steps, row.steps);
    EXPECT_EQ(host.finishCount, 1);
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(clock.pendingTimers(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    PlayedToTheEnd, NoteListPlayerRuns,
    ::testing::ValuesIn(std::vector<RunRow>{
        {"one entry waits exactly its pause", lines({"05=1"}), playsToTheEnd,
         lines({"started @0", "turn 0 @0", "note 0 N5 last @1000", "finished @1000"})},
        {"two entries: the second waits after the first", lines({"00=11", "13=21"}), playsToTheEnd,
         lines({"started @0", "turn 0 @0", "note 0 N0 @11000", "turn 1 @11000", "note 1 N13 last @32000",
                "finished @32000"})},
        {"a note code outside the notes is skipped with no wait", lines({"00=11", "20=100", "01=6"}), playsToTheEnd,
         lines({"started @0", "turn 0 @0", "note 0 N0 @11000", "turn 1 @11000", "turn 2 @11000",
                "note 2 N1 last @17000", "finished @17000"})},
        {"negative code and malformed entries are skipped with no wait",
         lines({"-1=5", "00=1a", "", "7", "01=", "DO-K (00)", "00=3"}), playsToTheEnd,
         lines({"started @0", "turn 0 @0", "turn 1 @0", "turn 2 @0", "turn 3 @0", "turn 4 @0", "turn 5 @0",
                "turn 6 @0", "note 6 N0 last @3000", "finished @3000"})},
        {"a negative pause sounds with no wait", lines({"00=11", "01=-5", "02=1"}), playsToTheEnd,
         lines({"started @0", "turn 0 @0", "note 0 N0 @11000", "turn 1 @11000", "note 1 N1 @11000", "turn 2 @11000",
                "note 2 N2 last @12000", "finished @12000"})},
        {"a negative first pause sounds at once", lines({"03=-1"}), playsToTheEnd,
         lines({"started @0", "turn 0 @0", "note 0 N3 last @0", "finished @0"})},
        {"a list of only skipped entries ends at once", lines({"99=1", "xx"}), playsToTheEnd,
         lines({"started @0", "turn 0 @0", "turn 1 @0", "finished @0"})},
        {"an empty last line: no note is the last line", lines({"00=0", ""}), playsToTheEnd,
         lines({"started @0", "turn 0 @0", "note 0 N0 @0", "turn 1 @0", "finished @0"})},
    }),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    EndedOtherwise, NoteListPlayerRuns,
    ::testing::ValuesIn(std::vector<RunRow>{
        {"stop during the first wait: no note at all", lines({"00=1000", "01=5"}),
         [](platform::VirtualClock& c, NoteListPlayer& p, RecordingHost&) {
             c.advanceMs(500);
             p.stop();
             c.advanceMs(5000);
         },
         lines({"started @0", "turn 0 @0", "finished @500000"})},
        {"stop during a later wait", lines({"00=1", "01=100", "02=0"}),
         [](platform::VirtualClock& c, NoteListPlayer& p, RecordingHost&) {
             c.advanceMs(50);
             p.stop();
             c.advanceMs(5000);
         },
         lines({"started @0", "turn 0 @0", "note 0 N0 @1000", "turn 1 @1000", "finished @50000"})},
        {"stop twice", lines({"00=100"}),
         [](platform::VirtualClock& c, NoteListPlayer& p, RecordingHost&) {
             p.stop();
             p.stop();
             c.advanceMs(500);
         },
         lines({"started @0", "turn 0 @0", "finished @0"})},
        {"stop from the host while a note sounds", lines({"00=1", "01=1"}),
         [](platform::VirtualClock& c, NoteListPlayer& p, RecordingHost& h) {
             h.onNote = [&p](int) { p.stop(); };
             c.advanceMs(500);
         },
         lines({"started @0", "turn 0 @0", "note 0 N0 @1000", "finished @1000"})},
        {"stop from the host at the top of a turn", lines({"00=1", "01=1"}),
         [](platform::VirtualClock& c, NoteListPlayer& p, RecordingHost& h) {
             h.onTurn = [&p](int i) {
                 if (i == 1)
                     p.stop();
             };
             c.advanceMs(500);
         },
         lines({"started @0", "turn 0 @0", "note 0 N0 @1000", "turn 1 @1000", "finished @1000"})},
        {"the list got shorter during a wait", lines({"00=1", "01=11", "02=0"}),
         [](platform::VirtualClock& c, NoteListPlayer&, RecordingHost& h) {
             c.advanceMs(5);
             h.setEntries(lines({"00=0"}));
             c.advanceMs(500);
         },
         lines({"started @0", "turn 0 @0", "note 0 N0 @1000", "turn 1 @1000", "note 1 N1 @12000", "turn 2 @12000",
                "finished @12000"})},
        {"a second start while playing is ignored", lines({"00=11"}),
         [](platform::VirtualClock& c, NoteListPlayer& p, RecordingHost&) {
             c.advanceMs(5);
             EXPECT_FALSE(p.start());
             c.advanceMs(500);
         },
         lines({"started @0", "turn 0 @0", "note 0 N0 last @11000", "finished @11000"})},
    }),
    RowName());

TEST(NoteListPlayer, StopOutsidePlaybackDoesNothingAndTheNextStartPlays)
{
    Rig rig(lines({"04=3"}));
    auto& [clock, host, player] = rig;
    player.stop();
    EXPECT_TRUE(host.steps.isEmpty());
    EXPECT_TRUE(player.start());
    runToEnd(clock, player);
    EXPECT_EQ(host.steps, lines({"started @0", "turn 0 @0", "note 0 N4 last @3000", "finished @3000"}));
}

TEST(NoteListPlayer, APlaybackStartedWhenTheLastOneFinishedRunsOnItsOwn)
{
    Rig rig(lines({"00=1", "01=1"}));
    auto& [clock, host, player] = rig;
    bool again = true;
    host.onFinished = [&] {
        EXPECT_FALSE(player.isPlaying());
        if (std::exchange(again, false)) {
            EXPECT_TRUE(player.start());
        }
    };
    host.onNote = [&](int i) {
        if (i == 0 && again)
            player.stop();
    };
    player.start();
    runToEnd(clock, player);
    EXPECT_EQ(host.steps,
              lines({"started @0", "turn 0 @0", "note 0 N0 @1000", "finished @1000", "started @1000", "turn 0 @1000",
                     "note 0 N0 @2000", "turn 1 @2000", "note 1 N1 last @3000", "finished @3000"}));
    EXPECT_EQ(host.finishCount, 2);
}

TEST(NoteListPlayer, ALongRunOfSkippedEntriesLetsTheLoopTurnButAddsNoWait)
{
    QStringList entries;
    for (int k = 0; k < 5000; ++k)
        entries.append(QStringLiteral("xx"));
    entries.append(QStringLiteral("06=1"));
    Rig rig(entries);
    auto& [clock, host, player] = rig;
    player.start();
    EXPECT_TRUE(player.isPlaying());
    EXPECT_LT(host.steps.size(), 1000) << "the first batch returned to the event loop";
    runToEnd(clock, player);
    EXPECT_EQ(host.onsetsUs, std::vector<qint64>{1000});
    EXPECT_EQ(host.finishCount, 1);
}

TEST(NoteListPlayer, DestroyedWhilePlayingLeavesNoTimerBehind)
{
    platform::VirtualClock clock;
    RecordingHost host(clock, lines({"00=100"}));
    {
        NoteListPlayer player(clock, host.lists);
        host.listenTo(player);
        player.start();
    }
    EXPECT_EQ(clock.pendingTimers(), 0u);
}
