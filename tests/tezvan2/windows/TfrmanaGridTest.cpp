// The note grid through the main window: simultaneous recording on a stepped clock,
// the keyboard's two roles (playing, typing into a cell), Bitir's branches, DİNLE, and
// the save and open commands with their dialogs.

#include "support/AsOrdinaryUser.h"
#include "support/FakeDialogs.h"
#include "support/FakeShell.h"
#include "support/FakeVoice.h"
#include "support/Files.h"
#include "support/KeysAndClicks.h"
#include "support/QStringPrinter.h"
#include "support/RowName.h"
#include "support/WaveImage.h"

#include "platform/VirtualClock.h"
#include "tezvan2/core/GridPlayer.h"
#include "tezvan2/core/GridRecorder.h"
#include "tezvan2/core/NoteGrid.h"
#include "tezvan2/windows/Tfrmana.h"
#include "tezvan2/windows/Tfrmhak.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sys/stat.h>

namespace {

using testing_support::FakeDialogs;
using Shown = FakeDialogs::Shown;
using testing_support::RowName;

class GridWindow : public ::testing::Test {
public:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        for (const char* name : {"DO.wbs", "RE.wbs", "MI.wbs"})
            ASSERT_TRUE(testing_support::writeFile(folder.filePath(QString::fromLatin1(name)),
                                                   testing_support::waveImage(4410, 1000)));
        window = std::make_unique<tezvan2::Tfrmana>(
            tezvan2::Tfrmana::Services{voice, clock, dialogs, shell, folder.path()});
        window->show();
        QApplication::setActiveWindow(window.get());
    }

    // A key's press and release as the keyboard sends them: to the control that has the focus.
    void release(int qtKey, const QString& text = {})
    {
        testing_support::pressAndRelease(window.get(), {qtKey, 0, Qt::NoModifier, text});
    }

    void click(const char* objectName)
    {
        QWidget* w = window->findChild<QWidget*>(QString::fromLatin1(objectName));
        ASSERT_NE(w, nullptr) << objectName;
        testing_support::clickMiddle(w);
    }

    // A click as the mouse makes it: at the control's place in the window, delivered to
    // whatever lies there.
    void clickAt(const char* objectName)
    {
        QWidget* w = window->findChild<QWidget*>(QString::fromLatin1(objectName));
        ASSERT_NE(w, nullptr) << objectName;
        testing_support::clickThroughWindow(window.get(), w->mapTo(window.get(), w->rect().center()));
    }

    // Clicks a cell of the grid, which opens its editor, and returns that editor.
    QLineEdit* editCell(int column, int row)
    {
        sg1()->scrollTo(grid().index(row, column));
        const QPoint at = sg1()->visualRect(grid().index(row, column)).center();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          sg1()->viewport()->mapTo(window.get(), at));
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        EXPECT_NE(editor, nullptr) << "no editor opened on column " << column << ", row " << row;
        EXPECT_TRUE(editor && sg1()->isAncestorOf(editor));
        return editor;
    }

    QCheckBox* checkBox() const { return window->findChild<QCheckBox*>(QStringLiteral("CheckBox1")); }
    QTableView* sg1() const { return window->findChild<QTableView*>(QStringLiteral("sg1")); }
    tezvan2::NoteGrid& grid() { return window->grid(); }
    void setMultiplier(const QString& text)
    {
        window->frmhak().findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(text);
    }
    void fill(std::initializer_list<std::pair<const char*, const char*>> columns)
    {
        grid().setCount(int(columns.size()));
        int i = 0;
        for (const auto& [name, duration] : columns) {
            grid().setName(i, QString::fromLatin1(name));
            grid().setDuration(i++, QString::fromLatin1(duration));
        }
    }
    QStringList told() const
    {
        QStringList out;
        for (const Shown& s : dialogs.shown)
            if (s.kind == Shown::Tell)
                out << s.text;
        return out;
    }

    QTemporaryDir folder;
    platform::VirtualClock clock;
    testing_support::FakeVoice voice{clock};
    FakeDialogs dialogs;
    testing_support::FakeShell shell;
    std::unique_ptr<tezvan2::Tfrmana> window;
};

TEST_F(GridWindow, recordingTimesEachNoteUntilTheNextAndBitirTimesTheLast)
{
    setMultiplier(QStringLiteral("15"));
    checkBox()->setChecked(true);
    release(Qt::Key_E);
    clock.advanceMs(400); // 40 ticks
    release(Qt::Key_R);
    clock.advanceMs(250); // 25 ticks
    click("Image41");

    ASSERT_EQ(grid().count(), 2);
    EXPECT_EQ(grid().name(0), QStringLiteral("DO"));
    EXPECT_EQ(grid().duration(0), QStringLiteral("600"));
    EXPECT_EQ(grid().name(1), QStringLiteral("RE"));
    EXPECT_EQ(grid().duration(1), QStringLiteral("375"));
    EXPECT_FALSE(checkBox()->isChecked());
    EXPECT_TRUE(window->recorder().clockRunning());
    EXPECT_EQ(voice.started().size(), 2u);
}

TEST_F(GridWindow, aMultiplierThatIsNoNumberIsReportedAndTheNameStays)
{
    QApplication::setApplicationDisplayName(QStringLiteral("Wintezvan2"));
    setMultiplier(QStringLiteral("abc"));
    checkBox()->setChecked(true);
    release(Qt::Key_E);
    clock.advanceMs(100);
    release(Qt::Key_R);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("'abc' is not a valid integer value."));
    EXPECT_EQ(dialogs.shown[0].icon, platform::Dialogs::Icon::Stop);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Wintezvan2"));
    EXPECT_EQ(grid().name(1), QStringLiteral("RE"));
    EXPECT_EQ(grid().count(), 2);
}

TEST_F(GridWindow, typingIntoTheGridSoundsNothingUntilItLosesTheFocus)
{
    click("sg1");
    ASSERT_TRUE(sg1()->hasFocus() || sg1()->isAncestorOf(QApplication::focusWidget()));
    EXPECT_FALSE(window->keyPreview());
    release(Qt::Key_D, QStringLiteral("d"));
    release(Qt::Key_O, QStringLiteral("o"));
    EXPECT_TRUE(voice.started().empty());

    click("CheckBox1"); // the grid loses the focus; the click ticks the box
    EXPECT_TRUE(window->keyPreview());
    release(Qt::Key_E);
    EXPECT_EQ(voice.started().size(), 1u);
}

TEST_F(GridWindow, pictureClicksSoundWhileTheGridIsBeingEdited)
{
    click("sg1");
    click("Image21");
    EXPECT_EQ(voice.started().size(), 1u);
}

struct BitirRow : testing_support::NamedRow {
    bool ticked;
    const char* lastName;
};

class GridWindowBitir : public GridWindow, public ::testing::WithParamInterface<BitirRow> {};

TEST_P(GridWindowBitir, outsideARecordingOnlyMovesTheFocusToTheCheckBox)
{
    const BitirRow& row = GetParam();
    click("sg1");
    checkBox()->setChecked(row.ticked);
    grid().setName(0, QString::fromLatin1(row.lastName));
    click("Image41");
    EXPECT_EQ(QApplication::focusWidget(), checkBox());
    EXPECT_TRUE(window->keyPreview());
    EXPECT_EQ(checkBox()->isChecked(), row.ticked);
    EXPECT_EQ(grid().count(), 1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, GridWindowBitir,
                         ::testing::Values(BitirRow{"box not ticked", false, ""},
                                           BitirRow{"last column already named", true, "MI"}),
                         RowName());
// clang-format on

TEST_F(GridWindow, bitirEndingARecordingLeavesTheFocusInTheGridAndKeysPlayAgain)
{
    checkBox()->setChecked(true);
    release(Qt::Key_E);
    click("sg1");
    ASSERT_FALSE(window->keyPreview());
    click("Image41");
    EXPECT_TRUE(sg1()->hasFocus() || sg1()->isAncestorOf(QApplication::focusWidget()));
    EXPECT_TRUE(window->keyPreview());
    release(Qt::Key_R);
    EXPECT_EQ(voice.started().size(), 2u);
    EXPECT_EQ(grid().count(), 1) << "the box is unticked: the note only sounds";
}

TEST_F(GridWindow, plusMinusAndClearWorkOnTheCellStore)
{
    fill({{"DO", "100"}, {"RE", "200"}, {"MI", "300"}});
    click("Image40");
    click("Image40");
    EXPECT_EQ(grid().count(), 1);
    click("Image39");
    EXPECT_EQ(grid().name(1), QStringLiteral("RE")) << "a removed column comes back with its text";
    click("Image40");
    click("Image27");
    EXPECT_EQ(grid().count(), 1);
    EXPECT_EQ(grid().name(0), QString());
    EXPECT_EQ(grid().name(1), QString());
    EXPECT_EQ(grid().name(2), QStringLiteral("MI")) << "clear blanks only up to the count";
}

TEST_F(GridWindow, gridShowsTwoRowsOfFixedCells)
{
    fill({{"DO", "100"}, {"RE", "200"}});
    EXPECT_EQ(sg1()->model()->rowCount(), 2);
    EXPECT_EQ(sg1()->columnWidth(0), 45);
    EXPECT_EQ(sg1()->rowHeight(0), 18);
    EXPECT_EQ(sg1()->rowHeight(1), 18);
    EXPECT_FALSE(sg1()->horizontalHeader()->isVisible());
    EXPECT_FALSE(sg1()->verticalHeader()->isVisible());
    EXPECT_EQ(sg1()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(sg1()->focusPolicy() & Qt::TabFocus, 0);
}

TEST_F(GridWindow, dinlePlaysOnTheClockAndASecondClickStops)
{
    click("Image35");
    EXPECT_EQ(told(), QStringList{tezvan2::GridPlayer::emptyGridMessage()});
    EXPECT_TRUE(voice.started().empty());

    fill({{"DO", "100"}, {"RE", "100"}, {"MI", "100"}});
    click("Image35");
    EXPECT_TRUE(window->player().isPlaying());
    EXPECT_EQ(voice.started().size(), 1u);
    clock.advanceMs(100);
    EXPECT_EQ(voice.started().size(), 2u);
    click("Image35");
    EXPECT_FALSE(window->player().isPlaying());
    clock.advanceMs(500);
    EXPECT_EQ(voice.started().size(), 2u);
}

TEST_F(GridWindow, saveWritesTheRecords)
{
    const QString path = folder.filePath(QStringLiteral("take.nota"));
    fill({{"DO", "600"}, {"RE", "375"}});
    dialogs.fileNames = {path};
    click("Image29");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, Shown::Save);
    EXPECT_EQ(dialogs.shown[0].text,
              QString::fromUtf8("Wintezvan Nota Dosyası (*.nota)|*.nota|MIDI Dosyası (*.mid)|*.mid"));
    EXPECT_EQ(dialogs.shown[0].defaultSuffix, QStringLiteral("nota"));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.size(), 36);
    // A name of the second type saves the grid as a MIDI file.
    const QString midi = folder.filePath(QStringLiteral("take.mid"));
    dialogs.fileNames = {midi};
    click("Image29");
    QFile exported(midi);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_EQ(exported.read(4), QByteArray("MThd"));
}

struct CutRow : testing_support::NamedRow {
    bool answer;
    qint64 sizeAfter;
};

class GridWindowSaveOverLongCells : public GridWindow, public ::testing::WithParamInterface<CutRow> {};

TEST_P(GridWindowSaveOverLongCells, asksBeforeCuttingThem)
{
    const CutRow& row = GetParam();
    const QString path = folder.filePath(QStringLiteral("take.nota"));
    fill({{"DO", "600"}, {"RE", "375"}});
    dialogs.fileNames = {path};
    click("Image29");
    ASSERT_EQ(QFileInfo(path).size(), 36);

    dialogs.shown.clear();
    fill({{"DO", "600"}, {"LAAKOR", "375"}, {"RE", "100000"}});
    dialogs.fileNames = {path};
    dialogs.answers = {row.answer};
    click("Image29");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].kind, Shown::Ask);
    EXPECT_TRUE(dialogs.shown[1].text.contains(QStringLiteral("LAAKOR")));
    EXPECT_TRUE(dialogs.shown[1].text.contains(QStringLiteral("100000")));
    EXPECT_EQ(QFileInfo(path).size(), row.sizeAfter);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, GridWindowSaveOverLongCells,
                         ::testing::Values(CutRow{"No keeps the file as it was", false, 36},
                                           CutRow{"Yes saves the cut cells", true, 48}),
                         RowName());
// clang-format on

TEST_F(GridWindow, saveDropsTheEmptyLastColumnEvenWhenCancelled)
{
    fill({{"DO", "600"}, {"", ""}});
    click("Image29");
    EXPECT_EQ(grid().count(), 1);
    EXPECT_TRUE(told().isEmpty());
}

struct NoFileRow : testing_support::NamedRow { // name: the picture clicked
    const char* message;
};

class GridWindowNoFileName : public GridWindow, public ::testing::WithParamInterface<NoFileRow> {};

TEST_P(GridWindowNoFileName, isReported)
{
    dialogs.fileNames = {folder.path() + QLatin1Char('/')};
    click(GetParam().name);
    EXPECT_EQ(told(), QStringList{QString::fromUtf8(GetParam().message)});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, GridWindowNoFileName,
                         ::testing::Values(NoFileRow{"Image29", "Dosya adını girmediniz"},
                                           NoFileRow{"Image13", "Dosya seçmediniz"}),
                         RowName());
// clang-format on

TEST_F(GridWindow, openLoadsAFileAndReportsAMissingOne)
{
    const QString path = folder.filePath(QStringLiteral("take.nota"));
    fill({{"DO", "600"}, {"RE", "375"}});
    dialogs.fileNames = {path};
    click("Image29");
    click("Image27");
    dialogs.shown.clear();
    dialogs.fileNames = {path};
    click("Image13");
    EXPECT_EQ(dialogs.shown.at(0).kind, Shown::Open);
    EXPECT_EQ(dialogs.shown.at(0).text, QString::fromUtf8("Wintezvan Nota Dosyası (*.nota)|*.nota"));
    ASSERT_EQ(grid().count(), 2);
    EXPECT_EQ(grid().name(1), QStringLiteral("RE"));
    EXPECT_EQ(grid().duration(0), QStringLiteral("600"));

    dialogs.shown.clear();
    const QString missing = folder.filePath(QStringLiteral("none.nota"));
    dialogs.fileNames = {missing};
    click("Image13");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].icon, platform::Dialogs::Icon::Stop);
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(grid().count(), 2);
}

// Typed text is in the grid while the cell's editor is still open: every command that
// reads the grid sees it, and none loses it by closing the editor.
struct TypedRow : testing_support::NamedRow {
    std::function<void(GridWindow&)> act;
    std::function<void(GridWindow&)> check;
};

class GridWindowTypedText : public GridWindow, public ::testing::WithParamInterface<TypedRow> {};

TEST_P(GridWindowTypedText, isPartOfTheGridBeforeTheEditorCloses)
{
    GetParam().act(*this);
    GetParam().check(*this);
    EXPECT_TRUE(told().isEmpty());
}

QString typedFile(const GridWindow& t)
{
    return t.folder.filePath(QStringLiteral("typed.nota"));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, GridWindowTypedText,
    ::testing::Values(
        TypedRow{"DİNLE plays the duration just typed",
                 [](GridWindow& t) {
                     t.fill({{"DO", "100"}, {"RE", "100"}});
                     QTest::keyClicks(t.editCell(0, tezvan2::NoteGrid::kDurationRow), QStringLiteral("300"));
                     t.clickAt("Image35");
                 },
                 [](GridWindow& t) {
                     t.clock.advanceMs(299);
                     EXPECT_EQ(t.voice.started().size(), 1u) << "RE waits the typed 300 ms";
                     t.clock.advanceMs(1);
                     EXPECT_EQ(t.voice.started().size(), 2u);
                 }},
        TypedRow{"KAYDET saves the name just typed",
                 [](GridWindow& t) {
                     t.fill({{"DO", "600"}, {"", "375"}});
                     QTest::keyClicks(t.editCell(1, tezvan2::NoteGrid::kNameRow), QStringLiteral("RE"));
                     t.dialogs.fileNames = {typedFile(t)};
                     t.clickAt("Image29");
                 },
                 [](GridWindow& t) {
                     EXPECT_EQ(t.grid().count(), 2);
                     QFile saved(typedFile(t));
                     ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
                     EXPECT_EQ(saved.readAll().mid(12, 3), QByteArray("\x02RE"));
                 }},
        TypedRow{"minus and plus keep the typed name in the cell store",
                 [](GridWindow& t) {
                     t.fill({{"DO", "600"}, {"", ""}});
                     QTest::keyClicks(t.editCell(1, tezvan2::NoteGrid::kNameRow), QStringLiteral("RE"));
                     t.clickAt("Image40");
                     t.clickAt("Image39");
                 },
                 [](GridWindow& t) { EXPECT_EQ(t.grid().name(1), QStringLiteral("RE")); }},
        TypedRow{"Bitir while recording sees a name typed into the last column",
                 [](GridWindow& t) {
                     t.checkBox()->setChecked(true);
                     t.release(Qt::Key_E);
                     QTest::keyClicks(t.editCell(1, tezvan2::NoteGrid::kNameRow), QStringLiteral("MI"));
                     t.clickAt("Image41");
                 },
                 [](GridWindow& t) {
                     EXPECT_TRUE(t.checkBox()->isChecked()) << "a named last column is no end of a recording";
                     EXPECT_EQ(t.grid().count(), 2);
                     EXPECT_EQ(t.grid().name(1), QStringLiteral("MI"));
                 }}),
    RowName());
// clang-format on

// Each duration is the whole ticks since the previous note; the part of a tick left
// over counts towards the next one, so a take's durations add up to its length.
TEST_F(GridWindow, theDurationsOfATakeAddUpToItsLength)
{
    setMultiplier(QStringLiteral("10"));
    checkBox()->setChecked(true);
    for (int i = 0; i < 100; ++i) {
        release(Qt::Key_E);
        clock.advanceMs(155);
    }
    clickAt("Image41");
    ASSERT_EQ(grid().count(), 100);
    qint64 sum = 0;
    for (int c = 0; c < grid().count(); ++c)
        sum += grid().duration(c).toLongLong();
    EXPECT_LE(std::abs(sum - 100 * 155), 10) << "sum of durations " << sum;
}

struct SilencingRow : testing_support::NamedRow {
    const char* gridName; // the grid's second name; null: the key Q, whose LA.wbs is missing
    bool ringsOn;
};

class GridWindowNoPlayableSample : public GridWindow, public ::testing::WithParamInterface<SilencingRow> {};

TEST_P(GridWindowNoPlayableSample, silencesTheNoteStillSounding)
{
    const SilencingRow& row = GetParam();
    ASSERT_TRUE(testing_support::writeFile(folder.filePath(QStringLiteral("BOZUK.wbs")), "not a wave"));
    if (row.gridName) {
        fill({{"DO", "50"}, {row.gridName, "50"}});
        clickAt("Image35");
    } else {
        release(Qt::Key_E);
        clock.advanceMs(50);
        release(Qt::Key_Q);
    }
    ASSERT_EQ(voice.started().size(), 1u);
    clock.advanceMs(row.gridName ? 50 : 0);
    EXPECT_EQ(voice.sounding(), row.ringsOn) << "DO, 100 ms long, at 50 ms";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, GridWindowNoPlayableSample,
                         ::testing::Values(SilencingRow{"a grid name with no file", "LA", false},
                                           SilencingRow{"a grid name whose file is no wave", "BOZUK", false},
                                           SilencingRow{"the rest", "es", true},
                                           SilencingRow{"a note key whose file is missing", nullptr, false}),
                         RowName());
// clang-format on

// Key preview follows the focus inside the window: another window or program taking
// the focus and giving it back is no entry into the grid.
class GridWindowFocusAway;

struct AwayRow : testing_support::NamedRow {
    std::function<void(GridWindowFocusAway&)> away;
};

class GridWindowFocusAway : public GridWindow, public ::testing::WithParamInterface<AwayRow> {
public:
    // The window system hands the focus over between windows a moment later.
    void seeWhereTheFocusIs()
    {
        (void)QTest::qWaitFor([&] { return !window->isActiveWindow(); }, 2000);
        const QWidget* focus = QApplication::focusWidget();
        leftTheWindow = !focus || !window->isAncestorOf(focus);
    }
    bool leftTheWindow = false;
};

TEST_P(GridWindowFocusAway, noteKeysStillPlayAfterAnotherWindowTookTheFocusAndGaveItBack)
{
    checkBox()->setChecked(true);
    release(Qt::Key_E);
    editCell(0, tezvan2::NoteGrid::kDurationRow);
    ASSERT_FALSE(window->keyPreview());
    clickAt("Image41");
    ASSERT_TRUE(window->keyPreview());

    GetParam().away(*this);
    // What a window manager does when the window above closes: the main window is
    // active again, with the focus inside it where it was.
    QApplication::setActiveWindow(window.get());
    EXPECT_TRUE(leftTheWindow) << "the focus never left the window";
    const QWidget* back = QApplication::focusWidget();
    EXPECT_TRUE(back && (back == sg1() || sg1()->isAncestorOf(back))) << "the focus came back to the grid";
    EXPECT_TRUE(window->keyPreview());
    release(Qt::Key_R);
    EXPECT_EQ(voice.started().size(), 2u);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, GridWindowFocusAway,
    ::testing::Values(
        AwayRow{"the about window",
                [](GridWindowFocusAway& t) {
                    QTimer::singleShot(0, [&t] {
                        t.seeWhereTheFocusIs();
                        QTest::mouseClick(t.window->frmhak().findChild<QWidget*>(QStringLiteral("Button1")),
                                          Qt::LeftButton);
                    });
                    t.clickAt("Image37");
                }},
        AwayRow{"a message box",
                [](GridWindowFocusAway& t) {
                    QMessageBox box(QMessageBox::Information, QStringLiteral("Wintezvan2"), QStringLiteral("?"),
                                    QMessageBox::Ok, t.window.get());
                    QTimer::singleShot(0, &box, [&] {
                        t.seeWhereTheFocusIs();
                        box.done(0);
                    });
                    box.exec();
                }},
        AwayRow{"another program",
                [](GridWindowFocusAway& t) {
                    QApplication::setActiveWindow(nullptr);
                    t.seeWhereTheFocusIs();
                    QApplication::setActiveWindow(t.window.get());
                }}),
    RowName());
// clang-format on

TEST_F(GridWindow, aWritableFileInAFolderThatTakesNoNewFileIsSavedInPlace)
{
    const QString locked = folder.filePath(QStringLiteral("kilitli"));
    const QString path = locked + QStringLiteral("/parca.nota");
    ASSERT_TRUE(QDir().mkdir(locked));
    ASSERT_TRUE(testing_support::writeFile(path, QByteArray(24, '\0')));
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0666), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0555), 0);

    fill({{"DO", "600"}, {"RE", "375"}});
    dialogs.fileNames = {path};
    {
        testing_support::AsOrdinaryUser user;
        if (!user.ok())
            GTEST_SKIP() << "running as root and cannot act as an ordinary user (seteuid failed)";
        clickAt("Image29");
    }
    ::chmod(QFile::encodeName(locked).constData(), 0755);

    EXPECT_EQ(dialogs.shown.size(), 1u) << "only the save dialog, no error";
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    EXPECT_EQ(bytes.size(), 36);
    EXPECT_EQ(bytes.mid(0, 3),
              QByteArray("\x02"
                         "DO"));
    EXPECT_EQ(QDir(locked).entryList(QDir::Files), QStringList{QStringLiteral("parca.nota")});
}

} // namespace
