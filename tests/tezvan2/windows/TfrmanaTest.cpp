// The main window as a player meets it: key releases and picture clicks sound the
// sample files of the working directory and show the note's name; the pictures lie
// where the layout puts them.

#include "support/FakeDialogs.h"
#include "support/FakeShell.h"
#include "support/FakeVoice.h"
#include "support/Files.h"
#include "support/KeysAndClicks.h"
#include "support/QStringPrinter.h"
#include "support/RowName.h"
#include "support/WaveImage.h"

#include "platform/VirtualClock.h"
#include "tezvan2/core/NoteGrid.h"
#include "tezvan2/windows/Picture.h"
#include "tezvan2/windows/Tfrmana.h"
#include "tezvan2/windows/Tfrmhak.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using testing_support::FakeDialogs;
using testing_support::FakeVoice;
using testing_support::RowName;

// The 23 sample files, written as a player's folder would hold them (mixed case); each
// has its own length, so the sound started tells which file it came from.
const char* const kSampleFiles[] = {
    "fa+.wbs",   "sol+.wbs", "SIB5.wbs", "SIB2.wbs",  "DOD.wbs",  "RED.wbs",    "fad.wbs",   "SIB5-.wbs",
    "SIB2-.wbs", "LA.wbs",   "SI.wbs",   "DO.wbs",    "RE.wbs",   "MI.wbs",     "fa.wbs",    "SOL.wbs",
    "LA-.wbs",   "SI-.wbs",  "DO-.wbs",  "SOL++.wbs", "LAAK.wbs", "laakor.wbs", "BITIS.wbs",
};

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        for (int i = 0; i < int(std::size(kSampleFiles)); ++i)
            ASSERT_TRUE(testing_support::writeFile(folder.filePath(QString::fromLatin1(kSampleFiles[i])),
                                                   testing_support::waveImage(100 + i, 1000)));
        previousDir = QDir::currentPath();
        QDir::setCurrent(folder.path());
        window = std::make_unique<tezvan2::Tfrmana>(tezvan2::Tfrmana::Services{voice, clock, dialogs, shell, {}});
        window->show();
    }

    void TearDown() override
    {
        window.reset();
        QDir::setCurrent(previousDir);
    }

    // Lower-case name of the file the last start came from; empty when nothing started.
    QString lastSample() const
    {
        const auto started = voice.started();
        if (started.empty())
            return {};
        const int index = int(started.back()->frames().size()) - 100;
        return QString::fromLatin1(kSampleFiles[index]).toLower();
    }

    // A key's press and release, sent to the window.
    void release(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier, quint32 scanCode = 0,
                 bool autoRepeat = false)
    {
        testing_support::pressAndRelease(window.get(), {qtKey, scanCode, modifiers, {}, autoRepeat}, window.get());
    }

    void click(const QString& objectName)
    {
        QWidget* w = window->findChild<QWidget*>(objectName);
        ASSERT_NE(w, nullptr) << objectName.toStdString();
        testing_support::clickMiddle(w);
    }

    QString display() const { return window->findChild<QLabel*>(QStringLiteral("Label1"))->text(); }
    QCheckBox* checkBox() const { return window->findChild<QCheckBox*>(QStringLiteral("CheckBox1")); }

    QTemporaryDir folder;
    QString previousDir;
    platform::VirtualClock clock;
    FakeVoice voice{clock};
    FakeDialogs dialogs;
    testing_support::FakeShell shell;
    std::unique_ptr<tezvan2::Tfrmana> window;
};

struct KeyRow : testing_support::NamedRow {
    int qtKey;
    quint32 scanCode; // the physical key's xkb code, where the key is named by its place
    const char* sample;
    const char* display;
};

class MainWindowKeys : public MainWindow, public ::testing::WithParamInterface<KeyRow> {};

INSTANTIATE_TEST_SUITE_P(Rows, MainWindowKeys,
                         ::testing::ValuesIn(std::vector<KeyRow>{
                             {"the key left of 1", Qt::Key_QuoteLeft, 49, "fa+.wbs", "Fa+"},
                             {"1", Qt::Key_1, 0, "sol+.wbs", "Sol+"},
                             {"2", Qt::Key_2, 0, "sib5.wbs", "SiB5"},
                             {"3", Qt::Key_3, 0, "sib2.wbs", "SiB2"},
                             {"4", Qt::Key_4, 0, "dod.wbs", "Do#"},
                             {"5", Qt::Key_5, 0, "red.wbs", "Re#"},
                             {"7", Qt::Key_7, 0, "fad.wbs", "Fa#"},
                             {"9", Qt::Key_9, 0, "sib5-.wbs", "SiB5-"},
                             {"0", Qt::Key_0, 0, "sib2-.wbs", "SiB2-"},
                             {"Q", Qt::Key_Q, 0, "la.wbs", "La"},
                             {"W", Qt::Key_W, 0, "si.wbs", "Si"},
                             {"E", Qt::Key_E, 0, "do.wbs", "Do"},
                             {"R", Qt::Key_R, 0, "re.wbs", "Re"},
                             {"T", Qt::Key_T, 0, "mi.wbs", "Mi"},
                             {"Y", Qt::Key_Y, 0, "fa.wbs", "Fa"},
                             {"U", Qt::Key_U, 0, "sol.wbs", "Sol"},
                             {"I", Qt::Key_I, 0, "la-.wbs", "La-"},
                             {"the quote key right of the key right of L", Qt::Key_Apostrophe, 48, "la-.wbs", "La-"},
                             {"O", Qt::Key_O, 0, "si-.wbs", "Si-"},
                             {"P", Qt::Key_P, 0, "do-.wbs", "Do-"},
                             {"A", Qt::Key_A, 0, "sol++.wbs", "Sol++"},
                             {"S, the chord", Qt::Key_S, 0, "laak.wbs", "La"},
                             {"D", Qt::Key_D, 0, "bitis.wbs", "Bitis"},
                             {"Shift+E", Qt::Key_E, 0, "do.wbs", "Do"},
                             // A Turkish layout sends other characters from the same physical keys.
                             {"the key left of 1 on a Turkish layout", Qt::Key_QuoteDbl, 49, "fa+.wbs", "Fa+"},
                             {"the i key on a Turkish layout", 0x130, 48, "la-.wbs", "La-"}}),
                         RowName());

TEST_P(MainWindowKeys, everyNoteKeySoundsItsSampleOnReleaseAndShowsItsName)
{
    const KeyRow& row = GetParam();
    const bool shifted = QByteArray(row.name).startsWith("Shift");
    QKeyEvent press(QEvent::KeyPress, row.qtKey, shifted ? Qt::ShiftModifier : Qt::NoModifier, row.scanCode, 0, 0);
    QApplication::sendEvent(window.get(), &press);
    EXPECT_TRUE(voice.started().empty()) << "a note sounds at the release, not the press";
    QKeyEvent up(QEvent::KeyRelease, row.qtKey, shifted ? Qt::ShiftModifier : Qt::NoModifier, row.scanCode, 0, 0);
    QApplication::sendEvent(window.get(), &up);
    ASSERT_EQ(voice.started().size(), 1u);
    EXPECT_EQ(lastSample(), QString::fromLatin1(row.sample));
    EXPECT_EQ(display(), QString::fromUtf8(row.display));
}

struct PictureRow : testing_support::NamedRow {
    const char* sample;
    const char* display;
};

class MainWindowPictures : public MainWindow, public ::testing::WithParamInterface<PictureRow> {};

INSTANTIATE_TEST_SUITE_P(
    Rows, MainWindowPictures,
    ::testing::ValuesIn(std::vector<PictureRow>{
        {"Image3", "fa+.wbs", "Fa+"},     {"Image4", "sol+.wbs", "Sol+"},    {"Image6", "sib5.wbs", "SiB5"},
        {"Image5", "sib2.wbs", "SiB2"},   {"Image7", "dod.wbs", "Do#"},      {"Image8", "red.wbs", "Re#"},
        {"Image17", "fad.wbs", "Fa#"},    {"Image16", "sib5-.wbs", "SiB5-"}, {"Image15", "sib2-.wbs", "SiB2-"},
        {"Image23", "la.wbs", "La"},      {"Image22", "si.wbs", "Si"},       {"Image21", "do.wbs", "Do"},
        {"Image20", "re.wbs", "Re"},      {"Image11", "mi.wbs", "Mi"},       {"Image10", "fa.wbs", "Fa"},
        {"Image9", "sol.wbs", "Sol"},     {"Image19", "la-.wbs", "La-"},     {"Image18", "si-.wbs", "Si-"},
        {"Image12", "do-.wbs", "Do-"},    {"Image33", "sol++.wbs", "Sol++"}, {"Image32", "laakor.wbs", "La"},
        {"Image31", "bitis.wbs", "Bitis"}}),
    RowName());

TEST_P(MainWindowPictures, everyNotePictureSoundsItsSampleWhenClicked)
{
    const PictureRow& row = GetParam();
    click(QString::fromLatin1(row.name));
    ASSERT_EQ(voice.started().size(), 1u);
    EXPECT_EQ(lastSample(), QString::fromLatin1(row.sample));
    EXPECT_EQ(display(), QString::fromUtf8(row.display));
}

struct OutsideRow : testing_support::NamedRow {
    int qtKey;
    Qt::KeyboardModifiers modifiers;
};

class MainWindowKeysOutsideTheTable : public MainWindow, public ::testing::WithParamInterface<OutsideRow> {};

TEST_P(MainWindowKeysOutsideTheTable, soundNothing)
{
    release(GetParam().qtKey, GetParam().modifiers);
    EXPECT_TRUE(voice.started().empty());
    EXPECT_EQ(display(), QString());
    EXPECT_EQ(window->grid().count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, MainWindowKeysOutsideTheTable,
                         ::testing::Values(OutsideRow{"6", Qt::Key_6, Qt::NoModifier},
                                           OutsideRow{"8", Qt::Key_8, Qt::NoModifier},
                                           OutsideRow{"keypad 1", Qt::Key_1, Qt::KeypadModifier},
                                           OutsideRow{"keypad 0", Qt::Key_0, Qt::KeypadModifier},
                                           OutsideRow{"keypad 9", Qt::Key_9, Qt::KeypadModifier},
                                           OutsideRow{"space", Qt::Key_Space, Qt::NoModifier},
                                           OutsideRow{"F1", Qt::Key_F1, Qt::NoModifier},
                                           OutsideRow{"Shift alone", Qt::Key_Shift, Qt::ShiftModifier}),
                         RowName());

TEST_F(MainWindow, aHeldKeySoundsOnceAtItsRealRelease)
{
    for (int i = 0; i < 3; ++i)
        release(Qt::Key_E, Qt::NoModifier, 0, true);
    EXPECT_TRUE(voice.started().empty());
    release(Qt::Key_E);
    EXPECT_EQ(voice.started().size(), 1u);
}

TEST_F(MainWindow, keypadPlusAndMinusChangeTheColumnsAndSoundNothing)
{
    release(Qt::Key_Plus, Qt::KeypadModifier);
    release(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(window->grid().count(), 3);
    release(Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(window->grid().count(), 2);
    for (int i = 0; i < 3; ++i)
        release(Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(window->grid().count(), 1);
    EXPECT_TRUE(voice.started().empty());
}

TEST_F(MainWindow, theChordWritesItsOwnGridNameForKeyAndPicture)
{
    checkBox()->setChecked(true);
    release(Qt::Key_S);
    click(QStringLiteral("Image32"));
    EXPECT_EQ(window->grid().name(0), QStringLiteral("LAAK"));
    EXPECT_EQ(window->grid().name(1), QStringLiteral("LAAKOR"));
    EXPECT_EQ(display(), QStringLiteral("La"));
}

TEST_F(MainWindow, missingSamplesLeaveTheRestOfTheNoteWorking)
{
    QDir(folder.path()).removeRecursively();
    checkBox()->setChecked(true);
    release(Qt::Key_E);
    EXPECT_TRUE(voice.started().empty());
    EXPECT_EQ(display(), QStringLiteral("Do"));
    EXPECT_EQ(window->grid().name(0), QStringLiteral("DO"));
}

TEST_F(MainWindow, titleBandPicturesCloseAndOpen)
{
    click(QStringLiteral("Image42"));
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], tezvan2::Tfrmana::notesAddress());

    // The about window is modal: the click returns once TAMAM closes it.
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
        wasModal = window->frmhak().isVisible() && window->frmhak().isModal();
        QTest::mouseClick(window->frmhak().findChild<QWidget*>(QStringLiteral("Button1")), Qt::LeftButton);
    });
    click(QStringLiteral("Image37"));
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(window->frmhak().isVisible());

    click(QStringLiteral("Image1"));
    EXPECT_FALSE(window->isVisible());
}

struct PlaceRow : testing_support::NamedRow {
    QRect place;
};

class MainWindowPlaces : public MainWindow, public ::testing::WithParamInterface<PlaceRow> {};

TEST_P(MainWindowPlaces, picturesAndControlsLieWhereTheLayoutPutsThem)
{
    const PlaceRow& row = GetParam();
    const QWidget* w = window->findChild<QWidget*>(QString::fromLatin1(row.name));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->geometry(), row.place);
    if (auto* picture = qobject_cast<const tezvan2::Picture*>(w)) {
        EXPECT_EQ(picture->pixmap().size(), row.place.size()) << "the artwork is cut to its place";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MainWindowPlaces,
    ::testing::Values(PlaceRow{"Image38", {0, 0, 542, 32}}, PlaceRow{"Image37", {542, 0, 32, 32}},
                      PlaceRow{"Image1", {574, 0, 31, 32}}, PlaceRow{"Image25", {0, 32, 605, 132}},
                      PlaceRow{"Image2", {0, 164, 56, 44}}, PlaceRow{"Image3", {56, 164, 36, 44}},
                      PlaceRow{"Image4", {92, 164, 34, 44}}, PlaceRow{"Image6", {126, 164, 42, 44}},
                      PlaceRow{"Image5", {168, 164, 42, 44}}, PlaceRow{"Image7", {210, 164, 40, 44}},
                      PlaceRow{"Image8", {250, 164, 39, 44}}, PlaceRow{"Image17", {289, 164, 40, 44}},
                      PlaceRow{"Image16", {329, 164, 38, 44}}, PlaceRow{"Image15", {367, 164, 36, 44}},
                      PlaceRow{"Image14", {403, 164, 92, 44}}, PlaceRow{"Image13", {495, 164, 110, 44}},
                      PlaceRow{"Image24", {0, 208, 67, 48}}, PlaceRow{"Image23", {67, 208, 35, 48}},
                      PlaceRow{"Image22", {102, 208, 37, 48}}, PlaceRow{"Image21", {139, 208, 39, 48}},
                      PlaceRow{"Image20", {178, 208, 39, 48}}, PlaceRow{"Image11", {217, 208, 39, 48}},
                      PlaceRow{"Image10", {256, 208, 38, 48}}, PlaceRow{"Image9", {294, 208, 39, 48}},
                      PlaceRow{"Image19", {333, 208, 34, 48}}, PlaceRow{"Image18", {367, 208, 43, 48}},
                      PlaceRow{"Image12", {410, 208, 37, 48}}, PlaceRow{"Image36", {447, 208, 55, 48}},
                      PlaceRow{"Image35", {501, 208, 103, 48}}, PlaceRow{"Image34", {0, 256, 85, 41}},
                      PlaceRow{"Image33", {85, 256, 33, 41}}, PlaceRow{"Image32", {118, 256, 45, 41}},
                      PlaceRow{"Image31", {163, 256, 38, 41}}, PlaceRow{"Image30", {201, 256, 304, 41}},
                      PlaceRow{"Image29", {505, 256, 100, 41}}, PlaceRow{"Image28", {0, 297, 499, 35}},
                      PlaceRow{"Image27", {499, 297, 106, 35}}, PlaceRow{"Image26", {0, 332, 253, 34}},
                      PlaceRow{"Image39", {253, 332, 32, 34}}, PlaceRow{"Image40", {285, 332, 45, 34}},
                      PlaceRow{"Image41", {330, 332, 57, 34}}, PlaceRow{"Image42", {387, 332, 218, 34}},
                      PlaceRow{"Image43", {0, 366, 605, 74}}, PlaceRow{"CheckBox1", {94, 351, 113, 17}},
                      PlaceRow{"sg1", {77, 376, 510, 54}}),
    RowName());

TEST_F(MainWindow, theWindowHasItsLayoutsSizeTitleAndPictureCount)
{
    EXPECT_EQ(window->size(), QSize(604, 439));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Wintezvan2")); // what the taskbar shows
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label1"))->pos(), QPoint(508, 64));
    EXPECT_EQ(window->findChildren<tezvan2::Picture*>().size(), 43);
}

struct HintRow : testing_support::NamedRow {
    const char* hint;
    bool hand;
};

class MainWindowHints : public MainWindow, public ::testing::WithParamInterface<HintRow> {};

TEST_P(MainWindowHints, hintsAndHandCursorsMarkWhatCanBeClicked)
{
    const HintRow& row = GetParam();
    const QWidget* w = window->findChild<QWidget*>(QString::fromLatin1(row.name));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->toolTip(), QString::fromUtf8(row.hint));
    EXPECT_EQ(w->cursor().shape() == Qt::PointingHandCursor, row.hand);
}

INSTANTIATE_TEST_SUITE_P(Rows, MainWindowHints,
                         ::testing::Values(HintRow{"Image3", "FA+", true}, HintRow{"Image32", "LA AKOR", true},
                                           HintRow{"Image31", "BITIS", true}, HintRow{"Image16", "SIB5-", true},
                                           HintRow{"Image37", "Wintezvan Hakkında", true},
                                           HintRow{"Image1", "Kapat", true},
                                           HintRow{"Image39", "Boş nota aç.", true},
                                           HintRow{"Image40", "Sonran bir tane nota sil.", true},
                                           HintRow{"Image41", "Parçayı bitir.", true}, HintRow{"Image13", "", true},
                                           HintRow{"Image35", "", true}, HintRow{"Image42", "", true},
                                           HintRow{"Image38", "", false}, HintRow{"Image14", "", false},
                                           HintRow{"Image43", "", false},
                                           HintRow{"sg1", "Notaları ve süreleri buraya yazınız", false}),
                         RowName());

TEST_F(MainWindow, theCheckBoxIsCaptionedAndTakesNoTabFocus)
{
    EXPECT_EQ(checkBox()->text(), QString::fromUtf8("Eşzamanlı Kaydet"));
    EXPECT_EQ(checkBox()->focusPolicy() & Qt::TabFocus, 0);
}

// The second press of a double-click is no second click: one note sounds and is
// recorded, whereas two clicks apart are two notes.
TEST_F(MainWindow, aDoubleClickOnANotePictureIsOneNote)
{
    checkBox()->setChecked(true);
    const QWidget* picture = window->findChild<QWidget*>(QStringLiteral("Image21"));
    const QPoint at = picture->mapTo(window.get(), picture->rect().center());
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(voice.started().size(), 1u);
    EXPECT_EQ(window->grid().count(), 2) << "one recorded note and the empty column after it";

    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(voice.started().size(), 3u);
    EXPECT_EQ(window->grid().count(), 4);
}

} // namespace
