#include "tezvan2/core/GridPlayer.h"
#include "support/Files.h"
#include "support/QStringPrinter.h"
#include "support/WaveImage.h"
#include "tezvan2/core/NoteGrid.h"
#include "tezvan2/core/SampleFiles.h"

#include "platform/VirtualClock.h"
#include "support/FakeVoice.h"
#include "support/LateClock.h"
#include "support/RowName.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tezvan2;
using testing_support::LateClock;
using testing_support::RowName;

namespace {

struct Onset {
    qint64 afterStartUs;
    qint16 sample; // the first frame tells which file sounded
    bool operator==(const Onset&) const = default;
};

struct GridPlayerTest : ::testing::Test {
    QTemporaryDir dir;
    platform::VirtualClock clock;
    testing_support::FakeVoice voice{clock};
    SampleFiles samples{voice, dir.path()};
    NoteGrid grid;
    GridPlayer player{grid, samples, clock};
    QStringList notices, errors;
    int finished = 0;
    qint64 startUs = 0;

    GridPlayerTest()
    {
        // Frame value = the note's number, a second long each.
        const char* files[] = {"do.wbs", "re.wbs", "mi.wbs", "ES.wbs"};
        for (int i = 0; i < 4; ++i)
            testing_support::writeFile(dir.filePath(QString::fromUtf8(files[i])),
                                       testing_support::waveImage(44100, qint16(i + 1)));
        QObject::connect(&player, &GridPlayer::notice, [this](const QString& m) { notices << m; });
        QObject::connect(&player, &GridPlayer::failed, [this](const QString& m) { errors << m; });
        QObject::connect(&player, &GridPlayer::finished, [this] { ++finished; });
    }

    using Columns = std::vector<std::pair<const char*, const char*>>;
    void setGrid(const Columns& columns)
    {
        grid.setCount(int(columns.size()));
        int c = 0;
        for (const auto& [name, duration] : columns) {
            grid.setName(c, QString::fromUtf8(name));
            grid.setDuration(c++, QString::fromUtf8(duration));
        }
    }

    bool play()
    {
        startUs = clock.nowUs();
        return player.play();
    }

    std::vector<Onset> onsets() const
    {
        std::vector<Onset> out;
        for (const auto& e : voice.events)
            if (e.kind == testing_support::FakeVoice::Event::Start)
                out.push_back({e.atUs - startUs, e.sound->frames().front()});
        return out;
    }
};

} // namespace

TEST_F(GridPlayerTest, PlaysEachColumnAtTheSumOfTheDurationsBeforeIt)
{
    setGrid({{"DO", "100"}, {"RE", "200"}, {"MI", "50"}});
    ASSERT_TRUE(play());
    EXPECT_EQ(onsets().size(), 1u); // the first note sounds at once
    clock.advanceMs(349);
    EXPECT_TRUE(player.isPlaying());
    EXPECT_EQ(finished, 0);
    clock.advanceMs(1);
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(onsets(), (std::vector<Onset>{{0, 1}, {100'000, 2}, {300'000, 3}}));
    EXPECT_TRUE(errors.isEmpty());
}

struct SilentColumnRow : testing_support::NamedRow {
    GridPlayerTest::Columns grid;
    std::vector<Onset> onsets;
    qint64 lengthMs;
};

class GridPlayerColumnsThatSoundNothing : public GridPlayerTest,
                                          public ::testing::WithParamInterface<SilentColumnRow> {};

TEST_P(GridPlayerColumnsThatSoundNothing, WaitOrNotAsTheirDurationsSay)
{
    const SilentColumnRow& r = GetParam();
    setGrid(r.grid);
    ASSERT_TRUE(play());
    if (r.lengthMs > 0)
        clock.advanceUs(r.lengthMs * 1000 - 1);
    EXPECT_TRUE(player.isPlaying());
    clock.advanceUs(1);
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(onsets(), r.onsets);
    EXPECT_TRUE(errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GridPlayerColumnsThatSoundNothing,
    ::testing::Values(
        SilentColumnRow{"rest keeps the last sample and waits",
                        {{"DO", "100"}, {"es", "200"}, {"RE", "50"}},
                        {{0, 1}, {300'000, 2}},
                        350},
        SilentColumnRow{"upper-case ES is a file name, not the rest",
                        {{"ES", "100"}, {"RE", "10"}},
                        {{0, 4}, {100'000, 2}},
                        110},
        SilentColumnRow{"empty name: no sound and no wait", {{"", "500"}, {"RE", "100"}}, {{0, 2}}, 100},
        SilentColumnRow{"missing file: silence, but the wait", {{"SOL", "100"}, {"RE", "10"}}, {{100'000, 2}}, 110},
        SilentColumnRow{
            "zero durations follow at once", {{"DO", "0"}, {"RE", "0"}, {"MI", "10"}}, {{0, 1}, {0, 2}, {0, 3}}, 10},
        SilentColumnRow{
            "a negative duration plays as zero", {{"DO", "-500"}, {"RE", "100"}}, {{0, 1}, {0, 2}}, 100}),
    RowName());

TEST_F(GridPlayerTest, NamesWithoutASampleAreReportedButNotTheRest)
{
    QStringList silent;
    QObject::connect(&player, &GridPlayer::silentNote, [&](const QString& file) { silent << file; });
    setGrid({{"SOL", "10"}, {"es", "10"}, {"RE", "10"}, {"LAAKOR", "10"}});
    play();
    clock.advanceMs(100);
    EXPECT_EQ(silent, (QStringList{QStringLiteral("SOL.wbs"), QStringLiteral("LAAKOR.wbs")}));
}

TEST_F(GridPlayerTest, AnEmptyLastNameIsReportedAndNothingPlays)
{
    setGrid({{"DO", "100"}, {"", ""}}); // a recording not yet finished
    EXPECT_FALSE(play());
    EXPECT_EQ(notices, QStringList{QStringLiteral("Lutfen nota giriniz veya bir dosya aciniz!")});
    EXPECT_TRUE(voice.events.empty());
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(clock.pendingTimers(), 0u);
}

struct BadDurationRow : testing_support::NamedRow {
    GridPlayerTest::Columns grid;
    const char* message;
    std::vector<Onset> onsets;
};

class GridPlayerBadDuration : public GridPlayerTest, public ::testing::WithParamInterface<BadDurationRow> {};

TEST_P(GridPlayerBadDuration, StopsAfterTheColumnsBeforeItPlayed)
{
    const BadDurationRow& r = GetParam();
    setGrid(r.grid);
    play();
    clock.advanceMs(10'000);
    EXPECT_EQ(errors, QStringList{QString::fromUtf8(r.message)});
    EXPECT_EQ(onsets(), r.onsets);
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(finished, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GridPlayerBadDuration,
    ::testing::Values(
        BadDurationRow{"letters in the third column",
                       {{"DO", "100"}, {"RE", "50"}, {"MI", "abc"}, {"DO", "1"}},
                       "'abc' is not a valid integer value",
                       {{0, 1}, {100'000, 2}}},
        BadDurationRow{
            "first column empty in both cells", {{"", ""}, {"RE", "100"}}, "'' is not a valid integer value", {}},
        BadDurationRow{"a decimal point", {{"DO", "12.5"}, {"RE", "1"}}, "'12.5' is not a valid integer value", {}}),
    RowName());

TEST_F(GridPlayerTest, StopEndsThePlaybackAndLeavesNoTimer)
{
    setGrid({{"DO", "100"}, {"RE", "100"}, {"MI", "100"}});
    play();
    clock.advanceMs(150);
    player.stop();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(clock.pendingTimers(), 0u);
    clock.advanceMs(1000);
    EXPECT_EQ(onsets().size(), 2u);
    EXPECT_EQ(finished, 0);
}

TEST_F(GridPlayerTest, EditsDuringPlaybackDoNotChangeIt)
{
    setGrid({{"DO", "100"}, {"RE", "100"}});
    play();
    grid.setName(1, QStringLiteral("MI"));
    grid.setCount(1);
    clock.advanceMs(200);
    EXPECT_EQ(onsets(), (std::vector<Onset>{{0, 1}, {100'000, 2}}));
}

TEST_F(GridPlayerTest, PlayingAgainStartsFromTheFirstColumn)
{
    setGrid({{"DO", "100"}, {"RE", "100"}});
    play();
    clock.advanceMs(150);
    voice.events.clear();
    play();
    clock.advanceMs(300);
    EXPECT_EQ(onsets(), (std::vector<Onset>{{0, 1}, {100'000, 2}}));
}

TEST(GridPlayerTiming, LateTimersDoNotAddUp)
{
    QTemporaryDir dir;
    testing_support::writeFile(dir.filePath(QStringLiteral("do.wbs")), testing_support::waveImage(10, 1));
    platform::VirtualClock clock;
    LateClock late(clock, 700); // every timer 0.7 ms late
    testing_support::FakeVoice voice(clock);
    SampleFiles samples(voice, dir.path());
    NoteGrid grid;
    constexpr int kColumns = 1000;
    grid.setCount(kColumns);
    for (int c = 0; c < kColumns; ++c) {
        grid.setName(c, QStringLiteral("DO"));
        grid.setDuration(c, QStringLiteral("7"));
    }
    GridPlayer player(grid, samples, late);
    const qint64 start = clock.nowUs();
    player.play();
    while (player.isPlaying() && clock.runNext()) {
    }
    ASSERT_EQ(voice.events.size(), std::size_t(kColumns));
    for (int c = 1; c < kColumns; ++c)
        ASSERT_EQ(voice.events[std::size_t(c)].atUs - start, qint64(c) * 7000 + 700) << c;
}
