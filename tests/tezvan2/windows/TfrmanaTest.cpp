// The main window as a player meets it: key releases and picture clicks sound the
// sample files of the working directory and show the note's name; the pictures lie
// where the layout puts them.

#include "support/FakeShell.h"
#include "support/QStringPrinter.h"
#include "support/WaveImage.h"
#include "support/FakeDialogs.h"
#include "support/FakeVoice.h"

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

// The 23 sample files, written as a player's folder would hold them (mixed case); each
// has its own length, so the sound started tells which file it came from.
const char* const kSampleFiles[] = {
    "fa+.wbs", "sol+.wbs", "SIB5.wbs", "SIB2.wbs", "DOD.wbs",  "RED.wbs",   "fad.wbs",    "SIB5-.wbs",
    "SIB2-.wbs", "LA.wbs", "SI.wbs",   "DO.wbs",   "RE.wbs",   "MI.wbs",    "fa.wbs",     "SOL.wbs",
    "LA-.wbs", "SI-.wbs",  "DO-.wbs",  "SOL++.wbs", "LAAK.wbs", "laakor.wbs", "BITIS.wbs",
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
        window = std::make_unique<tezvan2::Tfrmana>(
            tezvan2::Tfrmana::Services{voice, clock, dialogs, shell, {}});
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

    void release(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier, quint32 scanCode = 0,
                 bool autoRepeat = false)
    {
        QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, scanCode, 0, 0, QString(), autoRepeat);
        QApplication::sendEvent(window.get(), &press);
        QKeyEvent up(QEvent::KeyRelease, qtKey, modifiers, scanCode, 0, 0, QString(), autoRepeat);
        QApplication::sendEvent(window.get(), &up);
    }

    void click(const QString& objectName)
    {
        QWidget* w = window->findChild<QWidget*>(objectName);
        ASSERT_NE(w, nullptr) << objectName.toStdString();
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(w->width() / 2, w->height() / 2));
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

struct KeyRow {
    const char* key;
    int qtKey;
    quint32 scanCode; // the physical key's xkb code, where the key is named by its place
    const char* sample;
    const char* display;
};

const KeyRow kKeyRows[] = {
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
    {"the i key on a Turkish layout", 0x130, 48, "la-.wbs", "La-"},
};

TEST_F(MainWindow, everyNoteKeySoundsItsSampleOnReleaseAndShowsItsName)
{
    for (const KeyRow& row : kKeyRows) {
        SCOPED_TRACE(row.key);
        voice.events.clear();
        const bool shifted = QByteArray(row.key).startsWith("Shift");
        QKeyEvent press(QEvent::KeyPress, row.qtKey, shifted ? Qt::ShiftModifier : Qt::NoModifier, row.scanCode,
                        0, 0);
        QApplication::sendEvent(window.get(), &press);
        EXPECT_TRUE(voice.started().empty()) << "a note sounds at the release, not the press";
        QKeyEvent up(QEvent::KeyRelease, row.qtKey, shifted ? Qt::ShiftModifier : Qt::NoModifier, row.scanCode, 0,
                     0);
        QApplication::sendEvent(window.get(), &up);
        ASSERT_EQ(voice.started().size(), 1u);
        EXPECT_EQ(lastSample(), QString::fromLatin1(row.sample));
        EXPECT_EQ(display(), QString::fromUtf8(row.display));
    }
}

struct PictureRow {
    const char* picture;
    const char* sample;
    const char* display;
};

const PictureRow kPictureRows[] = {
    {"Image3", "fa+.wbs", "Fa+"},     {"Image4", "sol+.wbs", "Sol+"},   {"Image6", "sib5.wbs", "SiB5"},
    {"Image5", "sib2.wbs", "SiB2"},   {"Image7", "dod.wbs", "Do#"},     {"Image8", "red.wbs", "Re#"},
    {"Image17", "fad.wbs", "Fa#"},    {"Image16", "sib5-.wbs", "SiB5-"}, {"Image15", "sib2-.wbs", "SiB2-"},
    {"Image23", "la.wbs", "La"},      {"Image22", "si.wbs", "Si"},      {"Image21", "do.wbs", "Do"},
    {"Image20", "re.wbs", "Re"},      {"Image11", "mi.wbs", "Mi"},      {"Image10", "fa.wbs", "Fa"},
    {"Image9", "sol.wbs", "Sol"},     {"Image19", "la-.wbs", "La-"},    {"Image18", "si-.wbs", "Si-"},
    {"Image12", "do-.wbs", "Do-"},    {"Image33", "sol++.wbs", "Sol++"}, {"Image32", "laakor.wbs", "La"},
    {"Image31", "bitis.wbs", "Bitis"},
};

TEST_F(MainWindow, everyNotePictureSoundsItsSampleWhenClicked)
{
    for (const PictureRow& row : kPictureRows) {
        SCOPED_TRACE(row.picture);
        voice.events.clear();
        click(QString::fromLatin1(row.picture));
        ASSERT_EQ(voice.started().size(), 1u);
        EXPECT_EQ(lastSample(), QString::fromLatin1(row.sample));
        EXPECT_EQ(display(), QString::fromUtf8(row.display));
    }
}

TEST_F(MainWindow, keysOutsideTheTableSoundNothing)
{
    struct Row {
        const char* what;
        int qtKey;
        Qt::KeyboardModifiers modifiers;
    };
    const Row rows[] = {
        {"6", Qt::Key_6, Qt::NoModifier},
        {"8", Qt::Key_8, Qt::NoModifier},
        {"keypad 1", Qt::Key_1, Qt::KeypadModifier},
        {"keypad 0", Qt::Key_0, Qt::KeypadModifier},
        {"keypad 9", Qt::Key_9, Qt::KeypadModifier},
        {"space", Qt::Key_Space, Qt::NoModifier},
        {"F1", Qt::Key_F1, Qt::NoModifier},
        {"Shift alone", Qt::Key_Shift, Qt::ShiftModifier},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        release(row.qtKey, row.modifiers);
        EXPECT_TRUE(voice.started().empty());
        EXPECT_EQ(display(), QString());
        EXPECT_EQ(window->grid().count(), 1);
    }
}

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

TEST_F(MainWindow, picturesAndControlsLieWhereTheLayoutPutsThem)
{
    struct Row {
        const char* name;
        QRect place;
    };
    const Row rows[] = {
        {"Image38", {0, 0, 542, 32}},    {"Image37", {542, 0, 32, 32}},   {"Image1", {574, 0, 31, 32}},
        {"Image25", {0, 32, 605, 132}},  {"Image2", {0, 164, 56, 44}},    {"Image3", {56, 164, 36, 44}},
        {"Image4", {92, 164, 34, 44}},   {"Image6", {126, 164, 42, 44}},  {"Image5", {168, 164, 42, 44}},
        {"Image7", {210, 164, 40, 44}},  {"Image8", {250, 164, 39, 44}},  {"Image17", {289, 164, 40, 44}},
        {"Image16", {329, 164, 38, 44}}, {"Image15", {367, 164, 36, 44}}, {"Image14", {403, 164, 92, 44}},
        {"Image13", {495, 164, 110, 44}}, {"Image24", {0, 208, 67, 48}},  {"Image23", {67, 208, 35, 48}},
        {"Image22", {102, 208, 37, 48}}, {"Image21", {139, 208, 39, 48}}, {"Image20", {178, 208, 39, 48}},
        {"Image11", {217, 208, 39, 48}}, {"Image10", {256, 208, 38, 48}}, {"Image9", {294, 208, 39, 48}},
        {"Image19", {333, 208, 34, 48}}, {"Image18", {367, 208, 43, 48}}, {"Image12", {410, 208, 37, 48}},
        {"Image36", {447, 208, 55, 48}}, {"Image35", {501, 208, 103, 48}}, {"Image34", {0, 256, 85, 41}},
        {"Image33", {85, 256, 33, 41}},  {"Image32", {118, 256, 45, 41}}, {"Image31", {163, 256, 38, 41}},
        {"Image30", {201, 256, 304, 41}}, {"Image29", {505, 256, 100, 41}}, {"Image28", {0, 297, 499, 35}},
        {"Image27", {499, 297, 106, 35}}, {"Image26", {0, 332, 253, 34}}, {"Image39", {253, 332, 32, 34}},
        {"Image40", {285, 332, 45, 34}}, {"Image41", {330, 332, 57, 34}}, {"Image42", {387, 332, 218, 34}},
        {"Image43", {0, 366, 605, 74}},  {"CheckBox1", {94, 351, 113, 17}}, {"sg1", {77, 376, 510, 54}},
    };
    EXPECT_EQ(window->size(), QSize(604, 439));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Wintezvan2")); // what the taskbar shows
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label1"))->pos(), QPoint(508, 64));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QWidget* w = window->findChild<QWidget*>(QString::fromLatin1(row.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), row.place);
        if (auto* picture = qobject_cast<const tezvan2::Picture*>(w)) {
            EXPECT_EQ(picture->pixmap().size(), row.place.size()) << "the artwork is cut to its place";
        }
    }
    EXPECT_EQ(window->findChildren<tezvan2::Picture*>().size(), 43);
}

TEST_F(MainWindow, hintsAndHandCursorsMarkWhatCanBeClicked)
{
    struct Row {
        const char* name;
        const char* hint;
        bool hand;
    };
    const Row rows[] = {
        {"Image3", "FA+", true},   {"Image32", "LA AKOR", true}, {"Image31", "BITIS", true},
        {"Image16", "SIB5-", true}, {"Image37", "Wintezvan Hakkında", true}, {"Image1", "Kapat", true},
        {"Image39", "Boş nota aç.", true}, {"Image40", "Sonran bir tane nota sil.", true},
        {"Image41", "Parçayı bitir.", true}, {"Image13", "", true}, {"Image35", "", true},
        {"Image42", "", true},     {"Image38", "", false},   {"Image14", "", false}, {"Image43", "", false},
        {"sg1", "Notaları ve süreleri buraya yazınız", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QWidget* w = window->findChild<QWidget*>(QString::fromLatin1(row.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->toolTip(), QString::fromUtf8(row.hint));
        EXPECT_EQ(w->cursor().shape() == Qt::PointingHandCursor, row.hand);
    }
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
