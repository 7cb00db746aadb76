#include "tezvan2/core/GridRecorder.h"
#include "support/QStringPrinter.h"
#include "support/RowName.h"
#include "tezvan2/core/NoteGrid.h"

#include "platform/CommandError.h"
#include "platform/VirtualClock.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tezvan2;
using testing_support::RowName;

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

struct MultiplierRow : testing_support::NamedRow {
    const char* text;
    const char* duration; // of the first note after 40 ticks; null: the step fails
};

class GridRecorderMultiplier : public GridRecorderTest, public ::testing::WithParamInterface<MultiplierRow> {};

TEST_P(GridRecorderMultiplier, IsReadAtEveryStep)
{
    const MultiplierRow& r = GetParam();
    recorder.record(QStringLiteral("DO"));
    clock.advanceMs(400);
    multiplier = QString::fromUtf8(r.text);
    if (r.duration) {
        recorder.record(QStringLiteral("RE"));
        EXPECT_EQ(grid.duration(0), QString::fromUtf8(r.duration));
        EXPECT_EQ(grid.count(), 3);
        return;
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

INSTANTIATE_TEST_SUITE_P(
    Rows, GridRecorderMultiplier,
    ::testing::Values(MultiplierRow{"fifteen", "15", "600"}, MultiplierRow{"empty is ten", "", "400"},
                      MultiplierRow{"ten", "10", "400"}, MultiplierRow{"minus two", "-2", "-80"},
                      MultiplierRow{"plus three", "+3", "120"}, MultiplierRow{"letters", "abc", nullptr},
                      MultiplierRow{"a leading space", " 15", nullptr},
                      MultiplierRow{"a decimal point", "1.5", nullptr},
                      MultiplierRow{"beyond 32 bits", "99999999999", nullptr}),
    RowName());

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

struct NothingToFinishRow : testing_support::NamedRow {
    bool ticked;
    const char* lastName;
};

class GridRecorderNothingToFinish : public GridRecorderTest,
                                    public ::testing::WithParamInterface<NothingToFinishRow> {};

TEST_P(GridRecorderNothingToFinish, FinishMovesTheFocus)
{
    const NothingToFinishRow& r = GetParam();
    grid.setName(0, QString::fromUtf8(r.lastName));
    EXPECT_EQ(finish(r.ticked), GridRecorder::FinishBranch::MoveFocusToCheckBox);
    EXPECT_EQ(unticks, 0);
    EXPECT_FALSE(recorder.finishFlag());
    EXPECT_FALSE(recorder.clockRunning());
    EXPECT_EQ(grid.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, GridRecorderNothingToFinish,
                         ::testing::Values(NothingToFinishRow{"box not ticked, last name empty", false, ""},
                                           NothingToFinishRow{"box ticked, last name typed in", true, "SOL"},
                                           NothingToFinishRow{"box not ticked, last name typed in", false, "SOL"}),
                         RowName());

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

struct ProductRow : testing_support::NamedRow {
    qint64 ticks;
    qint32 multiplier;
    qint32 value;
};

class GridRecorderDuration : public ::testing::TestWithParam<ProductRow> {};

TEST_P(GridRecorderDuration, ProductIsHeldAtTheThirtyTwoBitBounds)
{
    const ProductRow& r = GetParam();
    EXPECT_EQ(GridRecorder::durationValue(r.ticks, r.multiplier), r.value);
}

constexpr qint32 kMax = std::numeric_limits<qint32>::max();
constexpr qint32 kMin = std::numeric_limits<qint32>::min();

INSTANTIATE_TEST_SUITE_P(Rows, GridRecorderDuration,
                         ::testing::Values(ProductRow{"ordinary", 40, 15, 600},
                                           ProductRow{"negative multiplier", 40, -15, -600},
                                           ProductRow{"just fits", kMax, 1, kMax},
                                           ProductRow{"too long", 200'000'000, 15, kMax},
                                           ProductRow{"too long, negative", 200'000'000, -15, kMin}),
                         RowName());
