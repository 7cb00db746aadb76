// Playback in the window on the virtual clock: the lock, the selections of both lists,
// the lit button, skipped entries, Stop, and the idle state after every ending.
#include "WindowFixture.h"
#include "support/Files.h"
#include "support/RowName.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

using testing_support::RowName;
using testing_support::WindowFixture;

class PlaybackTest : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        buttonColour = note(0)->colour();
    }

    void start() { QTest::mouseClick(control<QWidget>("PLAY_"), Qt::LeftButton); }

    void expectLocked(bool locked)
    {
        EXPECT_EQ(control<QWidget>("PAUSE_")->isVisible(), locked);
        EXPECT_EQ(control<QWidget>("PLAY_")->isVisible(), !locked);
        for (const char* name : {"new", "open", "save", "ListBox1", "N0", "N13"})
            EXPECT_EQ(control<QWidget>(name)->isEnabled(), !locked) << name;
        EXPECT_EQ(window->isPlaying(), locked);
    }

    void expectIdleAfterPlayback()
    {
        expectLocked(false);
        EXPECT_EQ(status(), QString::fromUtf8("İşlem Tamamlandı..."));
        for (int k = 0; k < 14; ++k)
            EXPECT_EQ(note(k)->colour(), buttonColour) << k;
        EXPECT_EQ(clock.pendingTimers(), 0u);
    }

    // Each note as it starts: its sample, its time from startUs, the current entry.
    struct AtNote {
        int sample;
        qint64 atMs;
        int entryIndex;
    };
    void watchNotes(qint64 startUs)
    {
        sound.onPlay = [this, startUs](int index) {
            notesSeen.push_back({index, (clock.nowUs() - startUs) / 1000, window->noteLists().currentIndex()});
        };
    }

    QColor buttonColour;
    std::vector<AtNote> notesSeen;
};

TEST_F(PlaybackTest, OneEntryPlaysAfterOneMillisecondAndUnlocks)
{
    load({QStringLiteral("05=1")});
    const qint64 t0 = clock.nowUs();
    start();
    EXPECT_EQ(status(), QString::fromUtf8("Notalar Çalınıyor..."));
    expectLocked(true);
    EXPECT_TRUE(sound.played.empty());

    clock.advanceUs(999);
    EXPECT_TRUE(sound.played.empty());
    clock.advanceUs(1);
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(sound.played[0].index, 5);
    EXPECT_EQ(sound.played[0].atUs - t0, 1000);
    EXPECT_EQ(selectedLine(), 0);
    expectIdleAfterPlayback();
}

TEST_F(PlaybackTest, SelectionsFollowTheNotesAndTheLastLineStaysSelected)
{
    load({QStringLiteral("00=10"), QStringLiteral("13=20")});
    start();
    EXPECT_EQ(window->noteLists().currentIndex(), 0);
    EXPECT_EQ(selectedLine(), -1);

    clock.advanceMs(11); // the first note sounds; the second waits
    EXPECT_EQ(sound.indexes(), std::vector<int>{0});
    EXPECT_TRUE(window->isPlaying());
    EXPECT_EQ(note(0)->colour(), QColor(Qt::white));
    EXPECT_EQ(window->noteLists().currentIndex(), 1);
    EXPECT_EQ(selectedLine(), 0); // the note that sounded last, not the one to come

    clock.advanceMs(21);
    EXPECT_EQ(sound.indexes(), (std::vector<int>{0, 13}));
    EXPECT_EQ(window->noteLists().currentIndex(), 1);
    EXPECT_EQ(selectedLine(), 1);
    expectIdleAfterPlayback();
}

TEST_F(PlaybackTest, EntriesThatAreNoNotesAreSkippedWithoutWaiting)
{
    load({QStringLiteral("00=6"), QStringLiteral("20=100"), QStringLiteral("xx=3"), QStringLiteral(""),
          QStringLiteral("-1=4"), QStringLiteral("03=8"), QStringLiteral("04=-3")});
    const qint64 t0 = clock.nowUs();
    watchNotes(t0);
    start();
    while (clock.runNext()) {
    }
    ASSERT_EQ(notesSeen.size(), 3u);
    EXPECT_EQ(notesSeen[0].sample, 0);
    EXPECT_EQ(notesSeen[0].atMs, 6);
    EXPECT_EQ(notesSeen[1].sample, 3);
    EXPECT_EQ(notesSeen[1].atMs, 6 + 8); // the skipped lines add no wait
    EXPECT_EQ(notesSeen[1].entryIndex, 5);
    EXPECT_EQ(notesSeen[2].sample, 4);
    EXPECT_EQ(notesSeen[2].atMs, 14);          // a negative pause: no wait at all
    EXPECT_EQ(window->noteLists().count(), 7); // the list itself is unchanged
    expectIdleAfterPlayback();
}

TEST_F(PlaybackTest, ATakeSavedAndOpenedReplaysAtTheLengthItWasPlayed)
{
    tick(true);
    press(Qt::Key_A, 38);
    const qint64 firstUs = clock.nowUs();
    for (int k = 1; k < 120; ++k) {
        clock.advanceUs(30'000 + (k * 7919) % 300'000); // uneven gaps, each with its own fraction of a ms
        press(Qt::Key_A, 38);
    }
    const qint64 takeUs = clock.nowUs() - firstUs;
    QTest::mouseClick(control<QWidget>("DURUMM"), Qt::LeftButton);
    QTemporaryDir dir;
    dialogs.fileNames = {dir.filePath(QStringLiteral("take.tnl")), dir.filePath(QStringLiteral("take.tnl"))};
    QTest::mouseClick(control<QWidget>("save"), Qt::LeftButton);
    window->noteLists().clear();
    QTest::mouseClick(control<QWidget>("open"), Qt::LeftButton);

    sound.played.clear();
    const qint64 playUs = clock.nowUs();
    start();
    while (clock.runNext()) {
    }
    ASSERT_EQ(sound.played.size(), 120u);
    EXPECT_NEAR(double(sound.played.back().atUs - playUs), double(takeUs), 2000);
}

struct StopRow : testing_support::NamedRow {
    std::function<void(PlaybackTest*)> stop;
};

class PlaybackStop : public PlaybackTest, public ::testing::WithParamInterface<StopRow> {};

TEST_P(PlaybackStop, DuringAWaitSoundsNothingMore)
{
    load({QStringLiteral("02=1000"), QStringLiteral("03=0")});
    QTest::keyClick(window.get(), Qt::Key_F9, Qt::ControlModifier);
    expectLocked(true);
    clock.advanceMs(500);
    GetParam().stop(this);
    clock.advanceMs(5000);
    EXPECT_TRUE(sound.played.empty());
    expectIdleAfterPlayback();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PlaybackStop,
    ::testing::Values(
        StopRow{"the DUR button",
                [](PlaybackTest* t) { QTest::mouseClick(t->control<QWidget>("PAUSE_"), Qt::LeftButton); }},
        StopRow{"Ctrl+F10",
                [](PlaybackTest* t) { QTest::keyClick(t->window.get(), Qt::Key_F10, Qt::ControlModifier); }}),
    RowName());

TEST_F(PlaybackTest, WhilePlayingNoteKeysAreSilentAndASecondStartIsIgnored)
{
    load({QStringLiteral("07=100"), QStringLiteral("08=100")});
    start();
    press(Qt::Key_A, 38);
    QTest::mouseClick(note(4), Qt::LeftButton);
    QTest::keyClick(window.get(), Qt::Key_F9, Qt::ControlModifier); // second Start
    clock.advanceMs(101);
    EXPECT_EQ(sound.indexes(), std::vector<int>{7});
    clock.advanceMs(101);
    EXPECT_EQ(sound.indexes(), (std::vector<int>{7, 8}));
    expectIdleAfterPlayback();
    press(Qt::Key_A, 38); // after the end the keys sound again
    EXPECT_EQ(sound.indexes(), (std::vector<int>{7, 8, 0}));
}

TEST_F(PlaybackTest, StartEndsARecordingAndAnEmptyListDoesNothing)
{
    tick(true);
    press(Qt::Key_A, 38);
    window->noteLists().clear();
    start();
    EXPECT_EQ(status(), QString::fromUtf8("Kayıt yapılıyor... DUR")); // empty: nothing
    expectLocked(false);

    press(Qt::Key_S, 39);
    start();
    EXPECT_FALSE(window->recorder().recording());
    EXPECT_FALSE(note(1)->raised());
    clock.advanceMs(2);
    expectIdleAfterPlayback();
    // The next recorded note starts a new recording.
    clock.advanceMs(700);
    press(Qt::Key_D, 40);
    EXPECT_EQ(window->noteLists().entry(1), QStringLiteral("02=0"));
}

struct CommandRow : testing_support::NamedRow {
    std::function<void(PlaybackTest*, const QString& noteFile)> command;
    int countAfter;
};

class PlaybackStoppedBy : public PlaybackTest, public ::testing::WithParamInterface<CommandRow> {};

TEST_P(PlaybackStoppedBy, NewAndOpenFirst)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.tnl"));
    ASSERT_TRUE(testing_support::writeFile(path, "05=0\r\n"));

    load({QStringLiteral("00=50"), QStringLiteral("01=50")});
    start();
    GetParam().command(this, path);
    EXPECT_FALSE(window->isPlaying());
    clock.advanceMs(1000);
    EXPECT_TRUE(sound.played.empty());
    EXPECT_EQ(window->noteLists().count(), GetParam().countAfter);
    expectLocked(false);
    EXPECT_EQ(clock.pendingTimers(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Rows, PlaybackStoppedBy,
                         ::testing::Values(CommandRow{"New answered Yes",
                                                      [](PlaybackTest* t, const QString&) {
                                                          t->dialogs.answers = {true};
                                                          QTest::keyClick(t->window.get(), Qt::Key_N,
                                                                          Qt::ControlModifier);
                                                      },
                                                      0},
                                           CommandRow{"Open",
                                                      [](PlaybackTest* t, const QString& noteFile) {
                                                          t->dialogs.fileNames = {noteFile};
                                                          QTest::keyClick(t->window.get(), Qt::Key_O,
                                                                          Qt::ControlModifier);
                                                      },
                                                      1}),
                         RowName());

} // namespace
