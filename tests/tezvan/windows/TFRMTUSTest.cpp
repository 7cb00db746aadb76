// The key assignment window driven by keys and clicks: keys captured in the key boxes,
// saved, applied to the main window's notes, reset to the factory keys, closed unsaved,
// loaded at creation from files good and bad, a save that fails, the roll-up.
#include "WindowFixture.h"
#include "support/AsOrdinaryUser.h"
#include "support/Files.h"
#include "support/RowName.h"

#include "tezvan/windows/KeyBox.h"
#include "tezvan/windows/TFRMTUS.h"

#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <optional>

namespace {

using testing_support::readFile;
using testing_support::RowName;
using testing_support::writeFile;
using Icon = platform::Dialogs::Icon;

const QByteArray
    kFactoryBytes("65\r\n83\r\n68\r\n70\r\n71\r\n72\r\n74\r\n75\r\n76\r\n186\r\n81\r\n87\r\n69\r\n82\r\n");
// The factory file with Z (90) for the first note.
const QByteArray kZFirst = QByteArray("90\r\n") + kFactoryBytes.mid(4);
const QByteArray kYFirst = QByteArray("89\r\n") + kFactoryBytes.mid(4);

// Makes layout the X server's; without one, keys are named as on a Turkish Q keyboard ("tr").
bool useLayout(const char* layout)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return qstrcmp(layout, "tr") == 0;
    return QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("-layout"), QLatin1String(layout)}) == 0;
}

class KeyWindow : public testing_support::WindowFixture {
public:
    void TearDown() override
    {
        keys.reset();
        WindowFixture::TearDown();
    }

    QString path() const { return dir.filePath(QStringLiteral("Tuslar.ini")); }
    void start() { keys = std::make_unique<tezvan::TFRMTUS>(*window, dialogs, tezvan::KeyFilePlace{path(), {}}); }
    // A new run: the main window with its factory keys, then the key window loading the file.
    void restart()
    {
        keys.reset();
        window = std::make_unique<tezvan::TForm1>(sound, clock, dialogs);
        window->show();
        start();
    }
    // Ctrl+K in the active main window; the key window it opens becomes the active one.
    void openByCtrlK()
    {
        QApplication::setActiveWindow(window.get());
        QTest::keyClick(window.get(), Qt::Key_K, Qt::ControlModifier);
        if (keys->isVisible())
            QApplication::setActiveWindow(keys.get());
    }

    tezvan::KeyBox* box(int slot) const
    {
        auto* b = keys->findChild<tezvan::KeyBox*>(QStringLiteral("HotKey%1").arg(slot));
        EXPECT_NE(b, nullptr) << slot;
        return b;
    }
    void click(const char* name) const
    {
        auto* w = keys->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr) << name;
        QTest::mouseClick(w, Qt::LeftButton);
    }
    // A key typed into a key box as the keyboard sends it: with the physical key's code when
    // given, otherwise through the shortcut machinery as a window system delivers it.
    void typeInto(int slot, int qtKey, quint32 scan, Qt::KeyboardModifiers mods, const QString& text = {})
    {
        box(slot)->setFocus();
        if (scan != 0)
            testing_support::pressAndRelease(keys.get(), {qtKey, scan, mods, text}, box(slot), true);
        else
            QTest::keyClick(box(slot), Qt::Key(qtKey), mods);
    }
    // The notes that these keys, pressed in the main window, sound (xkb codes of A, D, Z).
    std::vector<int> notesOf(std::initializer_list<std::pair<int, Qt::KeyboardModifiers>> presses)
    {
        sound.played.clear();
        for (const auto& [key, mods] : presses) {
            const quint32 scan = key == Qt::Key_A ? 38 : key == Qt::Key_D ? 40 : key == Qt::Key_Z ? 52 : 0;
            press(key, scan, mods, window.get());
        }
        return sound.indexes();
    }
    QString hintOf(int note)
    {
        QEnterEvent e(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(this->note(note), &e);
        return this->note(note)->toolTip();
    }

    QTemporaryDir dir;
    std::unique_ptr<tezvan::TFRMTUS> keys;
};

TEST_F(KeyWindow, SavedKeysAreWrittenAndPlayAtOnce)
{
    start();
    tick(true);
    press(Qt::Key_A, 38);
    openByCtrlK();
    EXPECT_FALSE(window->recorder().recording());
    ASSERT_TRUE(keys->isVisible());
    EXPECT_TRUE(keys->isModal());

    typeInto(1, Qt::Key_A, 0, Qt::ControlModifier);
    typeInto(3, Qt::Key_Backspace, 0, Qt::NoModifier);
    EXPECT_EQ(box(1)->text(), QStringLiteral("Ctrl+A"));
    EXPECT_EQ(box(3)->text(), QString());
    click("RzButton2");
    EXPECT_EQ(readFile(path()), QByteArray("16449\r\n83\r\n0\r\n") + kFactoryBytes.mid(12));
    click("RzButton3");
    EXPECT_FALSE(keys->isVisible());
    EXPECT_TRUE(window->isVisible());

    tick(false);
    EXPECT_EQ(notesOf({{Qt::Key_A, Qt::NoModifier}, {Qt::Key_A, Qt::ControlModifier}, {Qt::Key_D, Qt::NoModifier}}),
              std::vector<int>{0});
    EXPECT_EQ(hintOf(0), QString::fromUtf8("Kısayol -> 16449"));
    EXPECT_EQ(hintOf(2), QString::fromUtf8("Kısayol -> 0"));
    EXPECT_TRUE(dialogs.shown.empty());
}

struct CaptureRow : testing_support::NamedRow {
    int qtKey;
    quint32 scan; // the physical key's xkb code; 0 = none
    Qt::KeyboardModifiers mods;
    const char* typed;
    const char* shows;
    quint16 word;
    const char* layout = "tr"; // the keyboard layout in use
};

class KeyWindowCapture : public KeyWindow, public ::testing::WithParamInterface<CaptureRow> {};

TEST_P(KeyWindowCapture, OneKeyWithItsModifiers)
{
    const CaptureRow& r = GetParam();
    if (!useLayout(r.layout))
        GTEST_SKIP() << "no X server to take the layout " << r.layout;
    start();
    openByCtrlK();
    typeInto(1, r.qtKey, r.scan, r.mods, QString::fromUtf8(r.typed));
    EXPECT_EQ(box(1)->text(), QString::fromUtf8(r.shows));
    click("RzButton2");
    EXPECT_EQ(readFile(path()).left(readFile(path()).indexOf('\r')), QByteArray::number(r.word));
    // Typing in the box neither plays a note nor presses a button of the window.
    EXPECT_TRUE(sound.played.empty());
    EXPECT_TRUE(keys->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, KeyWindowCapture,
    ::testing::Values(
        CaptureRow{"Ctrl+A", Qt::Key_A, 0, Qt::ControlModifier, "", "Ctrl+A", 16449},
        CaptureRow{"Alt+K is a key, not the exit button", Qt::Key_K, 0, Qt::AltModifier, "", "Alt+K", 0x8000 | 'K'},
        CaptureRow{"Shift+F5", Qt::Key_F5, 71, Qt::ShiftModifier, "", "Shift+F5", 0x2000 | 0x74},
        CaptureRow{"the key right of L on a Turkish layout", 0x015E, 47, Qt::NoModifier, "ş", "Ş", 186},
        CaptureRow{"the key right of that, a Turkish capital", 0x0130, 48, Qt::NoModifier, "i", "İ", 222},
        CaptureRow{"the key right of L on a US layout", Qt::Key_Semicolon, 47, Qt::NoModifier, ";", ";", 186, "us"},
        CaptureRow{"the key right of M by its place, US layout", Qt::Key_Comma, 59, Qt::NoModifier, ",", ",", 188,
                   "us"},
        CaptureRow{"Delete clears the box", Qt::Key_Delete, 119, Qt::NoModifier, "", "", 0},
        CaptureRow{"a modifier alone waits for its key", Qt::Key_Control, 37, Qt::ControlModifier, "", "A", 65}),
    RowName());

TEST_F(KeyWindow, NamesKeysByTheLayoutInUseAtEachOpening)
{
    if (!useLayout("us"))
        GTEST_SKIP() << "no X server to switch layouts on";
    start();
    ASSERT_TRUE(useLayout("tr"));
    openByCtrlK();
    EXPECT_EQ(box(10)->text(), QString::fromUtf8("Ş"));
}

struct LoadRow : testing_support::NamedRow {
    std::optional<QByteArray> file;
    int firstNoteKey;     // the key that plays the first note afterwards
    const char* firstBox; // what the first box shows
    const char* error;    // the error box's text, or "" for none
};

class KeyWindowLoad : public KeyWindow, public ::testing::WithParamInterface<LoadRow> {};

TEST_P(KeyWindowLoad, AtCreation)
{
    const LoadRow& r = GetParam();
    if (r.file) {
        ASSERT_TRUE(writeFile(path(), *r.file));
    }
    start();
    EXPECT_EQ(notesOf({{r.firstNoteKey, Qt::NoModifier}}), std::vector<int>{0});
    EXPECT_EQ(box(1)->text(), QString::fromUtf8(r.firstBox));
    if (*r.error) {
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, QString::fromUtf8(r.error).replace(QStringLiteral("<path>"), path()));
        EXPECT_EQ(dialogs.shown[0].icon, Icon::Stop);
    } else {
        EXPECT_TRUE(dialogs.shown.empty());
    }
    // Loading never writes the file, nor makes one.
    if (r.file) {
        EXPECT_EQ(readFile(path()), *r.file);
    } else {
        EXPECT_FALSE(QFile::exists(path()));
    }
    openByCtrlK(); // "&Kaydet" pressed untouched takes no note's key away
    click("RzButton2");
    click("RzButton3");
    EXPECT_EQ(notesOf({{Qt::Key_D, Qt::NoModifier}}), std::vector<int>{2});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, KeyWindowLoad,
    ::testing::Values(LoadRow{"no file: the factory keys", std::nullopt, Qt::Key_A, "A", ""},
                      LoadRow{"the file's keys", kZFirst, Qt::Key_Z, "Z", ""},
                      LoadRow{"13 lines: the factory keys", kZFirst.left(kZFirst.size() - 4), Qt::Key_A, "A", ""},
                      LoadRow{"15 lines: the factory keys", kZFirst + "\r\n", Qt::Key_A, "A", ""},
                      LoadRow{"a bad number on line 2: the boxes before it show the file, no key changes",
                              QByteArray(kZFirst).replace("83", "S"), Qt::Key_A, "Z",
                              "Tuş dosyası okunamadı (<path>, satır 2): 'S' is not a valid integer value."}),
    RowName());

struct PlaceRow : testing_support::NamedRow {
    bool programFolderTakesFiles;        // then the file is saved there, else in the user's folder
    std::optional<QByteArray> before[2]; // the files beside the program and in the user's folder
    QByteArray inForce;                  // the keys in force, as "&Kaydet" pressed untouched writes them
};

class KeyWindowPlace : public KeyWindow, public ::testing::WithParamInterface<PlaceRow> {};

TEST_P(KeyWindowPlace, OnePlaceForReadingAndSaving)
{
    const PlaceRow& r = GetParam();
    QTemporaryDir program, config;
    const QString files[] = {QDir(program.path()).filePath(QStringLiteral("Tuslar.ini")),
                             QDir(config.path()).filePath(QStringLiteral("Tuslar.ini"))};
    for (int i : {0, 1})
        ASSERT_TRUE(!r.before[i] || writeFile(files[i], *r.before[i]));
    QFile::setPermissions(program.path(), QFileDevice::Permissions(r.programFolderTakesFiles ? 0x7777 : 0x5555));
    tezvan::KeyFilePlace place;
    {
        testing_support::AsOrdinaryUser user;
        if (!user.ok())
            GTEST_SKIP() << "cannot act as an ordinary user";
        place = tezvan::keyFilePlace(program.path(), config.path());
    }
    keys = std::make_unique<tezvan::TFRMTUS>(*window, dialogs, place);
    openByCtrlK();
    click("RzButton2");
    const int saved = r.programFolderTakesFiles ? 0 : 1;
    EXPECT_EQ(readFile(files[saved]), r.inForce);
    EXPECT_EQ(readFile(files[1 - saved]), r.before[1 - saved].value_or("<unreadable>"));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, KeyWindowPlace,
    ::testing::Values(
        PlaceRow{"a copy's own file, the user's unread", true, {kZFirst, kYFirst}, kZFirst},
        PlaceRow{"a read-only copy's file is read until the user saves", false, {kZFirst, std::nullopt}, kZFirst},
        PlaceRow{"a read-only copy: the user's file once there", false, {kZFirst, kYFirst}, kYFirst},
        PlaceRow{"a read-only copy without a file: the user's", false, {std::nullopt, kYFirst}, kYFirst}),
    RowName());

TEST_F(KeyWindow, FactoryKeysHoldForThisRunAndTheFileComesBackAtTheNextStart)
{
    ASSERT_TRUE(writeFile(path(), kZFirst));
    start();
    openByCtrlK();
    click("RzButton1");
    EXPECT_EQ(box(1)->text(), QStringLiteral("A"));
    click("RzButton3");
    EXPECT_EQ(notesOf({{Qt::Key_A, Qt::NoModifier}, {Qt::Key_Z, Qt::NoModifier}}), std::vector<int>{0});
    EXPECT_EQ(readFile(path()), kZFirst);

    restart();
    EXPECT_EQ(notesOf({{Qt::Key_A, Qt::NoModifier}, {Qt::Key_Z, Qt::NoModifier}}), std::vector<int>{0});
    EXPECT_EQ(box(1)->text(), QStringLiteral("Z"));
}

TEST_F(KeyWindow, KeysTypedAndNotSavedAreNotAppliedAndShowAgain)
{
    start();
    openByCtrlK();
    typeInto(1, Qt::Key_Z, 52, Qt::NoModifier, QStringLiteral("z"));
    click("Kapt");
    EXPECT_FALSE(keys->isVisible());
    EXPECT_EQ(notesOf({{Qt::Key_A, Qt::NoModifier}, {Qt::Key_Z, Qt::NoModifier}}), std::vector<int>{0});
    EXPECT_FALSE(QFile::exists(path()));

    openByCtrlK();
    EXPECT_TRUE(keys->isVisible());
    EXPECT_EQ(box(1)->text(), QStringLiteral("Z"));
}

TEST_F(KeyWindow, AFailedSaveKeepsTheFileAndTheKeysInForce)
{
    ASSERT_TRUE(writeFile(path(), kFactoryBytes));
    start();
    openByCtrlK();
    typeInto(1, Qt::Key_A, 0, Qt::ControlModifier);
    QFile::setPermissions(
        dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther);
    {
        testing_support::AsOrdinaryUser user;
        if (!user.ok())
            GTEST_SKIP() << "cannot act as an ordinary user";
        click("RzButton2");
    }
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].icon, Icon::Stop);
    EXPECT_TRUE(dialogs.shown[0].text.contains(path())) << dialogs.shown[0].text.toStdString();
    EXPECT_EQ(readFile(path()), kFactoryBytes);
    click("RzButton3");
    EXPECT_EQ(notesOf({{Qt::Key_A, Qt::NoModifier}, {Qt::Key_A, Qt::ControlModifier}}), std::vector<int>{0});
}

TEST_F(KeyWindow, RollsUpToItsCaptionBarAndDownAgain)
{
    start();
    openByCtrlK();
    EXPECT_EQ(keys->size(), QSize(207, 309));
    auto* bar = keys->findChild<QWidget*>(QStringLiteral("BaslikC"));
    QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_EQ(keys->height(), 25);
    QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_EQ(keys->height(), 309);
}

} // namespace

// Any window can be keyed through the narrow way in; a request after the key window is gone
// reaches nothing, since the key window bounds its request by its own life.
class FakeKeyTarget final : public tezvan::NoteKeyTarget {
public:
    tezvan::KeyWords noteKeys() const override { return words; }
    void setNoteKeys(const tezvan::KeyWords& w) override { words = w; }
    void onKeyAssignmentRequested(QObject* window, std::function<void()> open) override
    {
        opener = window;
        openKeys = std::move(open);
    }
    void keyAssignmentClosed() override { ++closings; }

    tezvan::KeyWords words = tezvan::factoryKeyWords();
    QPointer<QObject> opener;
    std::function<void()> openKeys;
    int closings = 0;
};

TEST_F(KeyWindow, KeysAnyTargetThroughItsNarrowWayIn)
{
    ASSERT_TRUE(writeFile(path(), kZFirst));
    FakeKeyTarget target;
    keys = std::make_unique<tezvan::TFRMTUS>(target, dialogs, tezvan::KeyFilePlace{path(), {}});
    EXPECT_EQ(target.words[0], quint16('Z'));
    ASSERT_EQ(target.opener, keys.get());
    target.openKeys();
    ASSERT_TRUE(keys->isVisible());
    click("RzButton1");
    EXPECT_EQ(target.words, tezvan::factoryKeyWords());
    click("RzButton3");
    EXPECT_EQ(target.closings, 1);
    keys.reset();
    EXPECT_EQ(target.opener, nullptr);
}
