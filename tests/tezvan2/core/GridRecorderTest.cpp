#include "support/QStringPrinter.h"
#include "tezvan2/core/GridRecorder.h"
#include "tezvan2/core/NoteGrid.h"

#include "platform/CommandError.h"
#include "platform/VirtualClock.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tezvan2;

namespace {

struct GridRecorderTest : ::testing::Test {
    NoteGrid grid;
    platform::VirtualClock clock;
    QString multiplier = QStringLiteral("15");
    GridRecorder recorder{grid, clock, [this] { return multiplier; }};
    int unticks = 0;

    GridRecorderTest()
    {
        QObject::connect(&recorder, &GridRecorder::recordingEnding, [this] { ++unticks; });
        recorder.startUp();
    }

    GridRecorder::FinishBranch finish(bool ticked) { return recorder.finish(ticked); }
    QString names() const
    {
        QStringList out;
        for (int c = 0; c < grid.count(); ++c)
            out << grid.name(c) + u'/' + grid.duration(c);
        return out.join(QStringLiteral(" | "));
    }
};

} // namespace

TEST_F(GridRecorderTest, WorkedExampleDoThenReThenFinish)
{
    recorder.record(QStringLiteral("DO"));
    EXPECT_TRUE(recorder.clockRunning());
    EXPECT_EQ(grid.count(), 2);
    clock.advanceMs(400);
    recorder.record(QStringLiteral("RE"));
    EXPECT_EQ(grid.count(), 3);
    clock.advanceMs(250);
    EXPECT_EQ(finish(true), GridRecorder::FinishBranch::EndRecording);

    EXPECT_EQ(names(), QStringLiteral("DO/600 | RE/375"));
    EXPECT_EQ(unticks, 1);
    EXPECT_TRUE(recorder.clockRunning());
    EXPECT_FALSE(recorder.finishFlag());
    EXPECT_EQ(recorder.ticks(), 0);
}

TEST_F(GridRecorderTest, TicksAreWholeTenMillisecondsOfElapsedTime)
{
    recorder.record(QStringLiteral("DO"));
    struct Row {
        const char* what;
        qint64 advanceUs;
        qint32 ticks;
    } rows[] = {
        {"just short of one tick", 9'999, 0},
        {"exactly one tick", 1, 1},
        {"one long stall of a second", 1'000'000, 101},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        clock.advanceUs(r.advanceUs);
        EXPECT_EQ(recorder.ticks(), r.ticks);
    }
}

TEST_F(GridRecorderTest, MultiplierIsReadAtEveryStep)
{
    struct Row {
        const char* text;
        const char* duration; // of the first note after 40 ticks; null: the step fails
    } rows[] = {
        {"15", "600"}, {"", "400"},   {"10", "400"}, {"-2", "-80"}, {"+3", "120"},
        {"abc", nullptr}, {" 15", nullptr}, {"1.5", nullptr}, {"99999999999", nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        recorder.startUp();
        multiplier = QStringLiteral("15");
        recorder.record(QStringLiteral("DO"));
        clock.advanceMs(400);
        multiplier = QString::fromUtf8(r.text);
        if (r.duration) {
            recorder.record(QStringLiteral("RE"));
            EXPECT_EQ(grid.duration(0), QString::fromUtf8(r.duration));
            EXPECT_EQ(grid.count(), 3);
            continue;
        }
        try {
            recorder.record(QStringLiteral("RE"));
            ADD_FAILURE() << "no error";
        } catch (const platform::CommandError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(multiplier));
        }
        // The name stands, no column was added, the counter kept counting.
        EXPECT_EQ(grid.name(1), QStringLiteral("RE"));
        EXPECT_EQ(grid.duration(0), QString());
        EXPECT_EQ(grid.count(), 2);
        EXPECT_EQ(recorder.ticks(), 40);
    }
}

TEST_F(GridRecorderTest, AfterABadMultiplierTheNextNoteOverwritesTheName)
{
    recorder.record(QStringLiteral("DO"));
    clock.advanceMs(100);
    multiplier = QStringLiteral("abc");
    EXPECT_THROW(recorder.record(QStringLiteral("RE")), platform::CommandError);
    multiplier = QStringLiteral("10");
    clock.advanceMs(100);
    recorder.record(QStringLiteral("MI"));
    EXPECT_EQ(names(), QStringLiteral("DO/200 | MI/ | /"));
}

TEST_F(GridRecorderTest, FinishMovesTheFocusWhenNothingIsToFinish)
{
    struct Row {
        const char* what;
        bool ticked;
        const char* lastName;
    } rows[] = {
        {"box not ticked, last name empty", false, ""},
        {"box ticked, last name typed in", true, "SOL"},
        {"box not ticked, last name typed in", false, "SOL"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        recorder.startUp();
        grid.setName(0, QString::fromUtf8(r.lastName));
        EXPECT_EQ(finish(r.ticked), GridRecorder::FinishBranch::MoveFocusToCheckBox);
        EXPECT_EQ(unticks, 0);
        EXPECT_FALSE(recorder.finishFlag());
        EXPECT_FALSE(recorder.clockRunning());
        EXPECT_EQ(grid.count(), 1);
    }
}

TEST_F(GridRecorderTest, FinishBeforeAnyNoteLeavesTheFlagForTheNextNote)
{
    EXPECT_EQ(finish(true), GridRecorder::FinishBranch::EndRecording);
    EXPECT_EQ(unticks, 1);
    EXPECT_TRUE(recorder.finishFlag());
    EXPECT_TRUE(recorder.clockRunning());

    // The first note gets the time since the finish, for the moment...
    clock.advanceMs(300);
    recorder.record(QStringLiteral("LA"));
    EXPECT_FALSE(recorder.finishFlag());
    EXPECT_EQ(names(), QStringLiteral("LA/450 | /"));
    // ...and the next note replaces it with the right one.
    clock.advanceMs(100);
    recorder.record(QStringLiteral("SI"));
    EXPECT_EQ(names(), QStringLiteral("LA/150 | SI/ | /"));
}

TEST_F(GridRecorderTest, ANoteAfterAFinishReplacesTheLastName)
{
    recorder.record(QStringLiteral("DO"));
    clock.advanceMs(400);
    recorder.record(QStringLiteral("RE"));
    clock.advanceMs(250);
    finish(true);
    clock.advanceMs(100);
    recorder.record(QStringLiteral("MI"));
    EXPECT_EQ(names(), QStringLiteral("DO/150 | MI/375 | /")); // MI keeps what RE had
}

TEST_F(GridRecorderTest, WithOneColumnLeftNoDurationIsWritten)
{
    recorder.record(QStringLiteral("DO"));
    recorder.record(QStringLiteral("RE"));
    grid.removeLastColumn();
    grid.removeLastColumn();
    clock.advanceMs(200);
    recorder.record(QStringLiteral("MI"));
    EXPECT_EQ(grid.name(0), QStringLiteral("MI"));
    EXPECT_EQ(grid.duration(0), QStringLiteral("0")); // from the DO..RE step before
    EXPECT_EQ(grid.count(), 2);
}

TEST_F(GridRecorderTest, ClearStopsTheClockAndTheNextNoteStartsItAgain)
{
    recorder.record(QStringLiteral("DO"));
    clock.advanceMs(120);
    recorder.clear();
    EXPECT_FALSE(recorder.clockRunning());
    EXPECT_EQ(recorder.ticks(), 12); // the counter is left as it was
    clock.advanceMs(500);
    recorder.record(QStringLiteral("RE"));
    EXPECT_EQ(names(), QStringLiteral("RE/ | /"));
    clock.advanceMs(100);
    recorder.record(QStringLiteral("MI"));
    EXPECT_EQ(grid.duration(0), QStringLiteral("150"));
}

TEST(GridRecorderDuration, ProductIsHeldAtTheThirtyTwoBitBounds)
{
    constexpr qint32 max = std::numeric_limits<qint32>::max();
    constexpr qint32 min = std::numeric_limits<qint32>::min();
    struct Row {
        const char* what;
        qint64 ticks;
        qint32 multiplier;
        qint32 value;
    } rows[] = {
        {"ordinary", 40, 15, 600},
        {"negative multiplier", 40, -15, -600},
        {"just fits", max, 1, max},
        {"too long", 200'000'000, 15, max},
        {"too long, negative", 200'000'000, -15, min},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(GridRecorder::durationValue(r.ticks, r.multiplier), r.value);
    }
}
