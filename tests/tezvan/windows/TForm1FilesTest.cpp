// The file commands in the window: the questions and their answers, the dialogs' filters,
// what Open and Save do to the lists and to disk, errors, and the start-up open.
#include "WindowFixture.h"
#include "support/Files.h"
#include "support/RowName.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

using testing_support::FakeDialogs;
using testing_support::readFile;
using testing_support::RowName;
using testing_support::WindowFixture;
using Icon = platform::Dialogs::Icon;

const QString kRecordingQuestion = QString::fromUtf8(
    "Şu An Kayıt Modundasınız.\r\rKayıt İşlemini Otomatik Durdurmak ve İşleme Devam Etmek İstiyormusunuz.");
const QString kNoteFilter = QStringLiteral("Tezvan Nota Listesi (*.Tnl)|*.tnl");
const QString kNewQuestion = QString::fromUtf8("Listedeki Notalar Temizlenecek. Devam mı?");

class FilesTest : public WindowFixture {
public:
    QString writeFile(const char* name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(QString::fromUtf8(name));
        EXPECT_TRUE(testing_support::writeFile(path, bytes)) << name;
        return path;
    }
    void click(const char* name) { QTest::mouseClick(control<QWidget>(name), Qt::LeftButton); }
    void recordTwo()
    {
        tick(true);
        press(Qt::Key_A, 38);
        clock.advanceMs(451);
        press(Qt::Key_S, 39);
    }

    QTemporaryDir dir;
};

TEST_F(FilesTest, SaveWritesTheEntriesWithCrLf)
{
    recordTwo();
    click("DURUMM");
    const QString path = dir.filePath(QStringLiteral("take.tnl"));
    dialogs.fileNames = {path};
    click("save");
    EXPECT_EQ(readFile(path), QByteArray("00=0\r\n01=451\r\n"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, FakeDialogs::Shown::Save);
    EXPECT_EQ(dialogs.shown[0].text, kNoteFilter + QString::fromUtf8("|MIDI Dosyası (*.mid)|*.mid"));
    EXPECT_EQ(dialogs.shown[0].defaultSuffix, QStringLiteral("tnl"));
    // A name of the second type saves the list as a MIDI file.
    dialogs.fileNames = {dir.filePath(QStringLiteral("take.MID"))};
    click("save");
    EXPECT_TRUE(readFile(dir.filePath(QStringLiteral("take.MID"))).startsWith("MThd"));
}

TEST_F(FilesTest, OpenReadsAnyLineEndsAndRebuildsTheVisibleLines)
{
    const QString path = writeFile("a.tnl", QByteArray("01=451\n\r\n99=5\r13=7\0ignored", 27));
    dialogs.fileNames = {path};
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    const tezvan::NoteLists& l = window->noteLists();
    EXPECT_EQ(l.entries(),
              QStringList({QStringLiteral("01=451"), QString(), QStringLiteral("99=5"), QStringLiteral("13=7")}));
    EXPECT_EQ(
        l.lines(),
        QStringList({QStringLiteral("RE (01)"), QString(), QStringLiteral("99"), QString::fromUtf8("BİTİŞ (13)")}));
    EXPECT_EQ(countLabel(), QString::fromUtf8("Toplam Nota Sayısı : 4"));
    EXPECT_EQ(dialogs.shown.at(0).kind, FakeDialogs::Shown::Open);
    EXPECT_EQ(dialogs.shown.at(0).text, kNoteFilter);
    EXPECT_EQ(dialogs.shown.at(0).defaultSuffix, QStringLiteral("tnl"));
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), listBox());

    // An empty file empties the lists and counts 0.
    dialogs.fileNames = {writeFile("empty.tnl", {})};
    click("open");
    EXPECT_TRUE(l.isEmpty());
    EXPECT_EQ(countLabel(), QString::fromUtf8("Toplam Nota Sayısı : 0"));
}

struct QuestionRow : testing_support::NamedRow {
    bool recording;
    const char* command;
    std::deque<bool> answers;
    bool fileChosen;
    QString title;
    QString text;
    Icon icon;
    int countAfter; // lines after the command
    bool recordingAfter;
};

class FilesQuestions : public FilesTest, public ::testing::WithParamInterface<QuestionRow> {};

TEST_P(FilesQuestions, AndTheirAnswers)
{
    const QuestionRow& r = GetParam();
    const QString one = writeFile("one.tnl", "05=9\r\n");
    recordTwo();
    if (!r.recording)
        click("DURUMM");
    dialogs.answers = r.answers;
    if (r.fileChosen)
        dialogs.fileNames = {one};
    click(r.command);
    ASSERT_GE(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, FakeDialogs::Shown::Ask);
    EXPECT_EQ(dialogs.shown[0].title, r.title);
    EXPECT_EQ(dialogs.shown[0].text, r.text);
    EXPECT_EQ(dialogs.shown[0].icon, r.icon);
    const bool yes = !r.answers.empty() && r.answers.front();
    EXPECT_EQ(dialogs.shown.size(), (yes && r.fileChosen) ? 2u : 1u); // No: no file dialog
    EXPECT_EQ(window->noteLists().count(), r.countAfter);
    EXPECT_EQ(window->recorder().recording(), r.recordingAfter);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, FilesQuestions,
    ::testing::Values(
        QuestionRow{"New answered No keeps the list", false, "new", {false}, false, QStringLiteral("Yeni"),
                    kNewQuestion, Icon::Information, 2, false},
        QuestionRow{"New answered Yes clears it", false, "new", {true}, false, QStringLiteral("Yeni"), kNewQuestion,
                    Icon::Information, 0, false},
        QuestionRow{"New while recording, Yes, ends the recording", true, "new", {true}, false,
                    QStringLiteral("Yeni"), kNewQuestion, Icon::Information, 0, false},
        QuestionRow{"Open while recording answered No: nothing changes", true, "open", {false}, true,
                    QStringLiteral("UYARI"), kRecordingQuestion, Icon::Warning, 2, true},
        QuestionRow{"Open while recording answered Yes: opens", true, "open", {true}, true, QStringLiteral("UYARI"),
                    kRecordingQuestion, Icon::Warning, 1, false},
        QuestionRow{"Save while recording answered No: nothing saved", true, "save", {false}, true,
                    QStringLiteral("UYARI"), kRecordingQuestion, Icon::Warning, 2, true}),
    RowName());
// clang-format on

TEST_F(FilesTest, CommandsThatAskNothing)
{
    // Save with an empty list: no dialog at all. New with an empty list: no question, but
    // the recording ends and the count shows 0. A cancelled Open changes nothing.
    click("save");
    EXPECT_TRUE(dialogs.shown.empty());

    tick(true);
    press(Qt::Key_A, 38);
    window->noteLists().clear();
    click("new");
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(window->recorder().recording());
    EXPECT_EQ(countLabel(), QString::fromUtf8("Toplam Nota Sayısı : 0"));

    recordTwo();
    click("DURUMM");
    click("open"); // the dialog is cancelled
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(window->noteLists().count(), 2);
}

TEST_F(FilesTest, ErrorsEndTheCommandInTheErrorBoxAndKeepEverything)
{
    QApplication::setApplicationDisplayName(QStringLiteral("Tezvan test"));
    recordTwo();
    click("DURUMM");

    const QString missing = dir.filePath(QStringLiteral("none.tnl"));
    dialogs.fileNames = {missing};
    std::optional<bool> enabledUnderTheBox;
    dialogs.whenShown = [&](const FakeDialogs::Shown&) { enabledUnderTheBox = window->isEnabled(); };
    click("open");
    dialogs.whenShown = nullptr;
    EXPECT_EQ(enabledUnderTheBox, true) << "the window is enabled again before the error box shows";
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].kind, FakeDialogs::Shown::Tell);
    EXPECT_EQ(dialogs.shown[1].title, QStringLiteral("Tezvan test"));
    EXPECT_EQ(dialogs.shown[1].text, QStringLiteral("Cannot open file %1.").arg(missing));
    EXPECT_EQ(dialogs.shown[1].icon, Icon::Stop);
    EXPECT_EQ(window->noteLists().count(), 2);
    EXPECT_TRUE(window->isEnabled());

    // A save into a folder that does not exist: the error box, and the earlier file stays.
    const QString noFolder = dir.filePath(QStringLiteral("no/such/take.tnl"));
    dialogs.shown.clear();
    dialogs.fileNames = {noFolder};
    click("save");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, QStringLiteral("Cannot create file %1.").arg(noFolder));
    EXPECT_FALSE(QFile::exists(noFolder));
}

TEST_F(FilesTest, SaveAsDisplayedWritesTurkishLettersAsSingleBytes)
{
    tick(true);
    press(Qt::Key_R, 27);
    press(Qt::Key_A, 38);
    const QString path = dir.filePath(QStringLiteral("liste.txt"));
    dialogs.fileNames = {path};
    QAction* action = window->findChild<QAction*>(QStringLiteral("mnnotadonustur"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QString::fromUtf8("Nota Dönüştür"));
    action->trigger();
    EXPECT_EQ(readFile(path), QByteArray("B\xDDT\xDD\xDE (13)\r\nDO-K (00)\r\n"));
    EXPECT_EQ(dialogs.shown.at(0).text, QStringLiteral("Metin Belgesi (*.txt)|*.txt"));
    EXPECT_EQ(dialogs.shown.at(0).defaultSuffix, QStringLiteral("txt"));
    EXPECT_FALSE(window->recorder().recording()); // ended without a question
    EXPECT_EQ(status(), QString::fromUtf8("Kayıt İşlemi Tamamlandı"));
}

TEST_F(FilesTest, StartUpOpensTheJoinedPathAndShowsTheList)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Notlar")));
    writeFile("Notlar/ilk parça.tnl", "01=451\r\n11=985\r\n03=789\r\n");
    window = std::make_unique<tezvan::TForm1>(sound, clock, dialogs);
    window->FormCreate({dir.filePath(QStringLiteral("Notlar/ilk")), QString::fromUtf8("parça.tnl")});
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(window->noteLists().lines(),
              QStringList({QStringLiteral("RE (01)"), QString::fromUtf8("Mİ-2 (11)"), QStringLiteral("FA (03)")}));
    EXPECT_EQ(window->height(), tezvan::TForm1::kExpandedHeight);

    const QString missing = dir.filePath(QStringLiteral("yok.tnl"));
    window = std::make_unique<tezvan::TForm1>(sound, clock, dialogs);
    window->FormCreate({missing});
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, FakeDialogs::Shown::Tell);
    EXPECT_EQ(dialogs.shown[0].text, QLatin1Char('(') + missing + QString::fromUtf8(")Dosyası bulunamıyor..!"));
    EXPECT_TRUE(window->noteLists().isEmpty());
    EXPECT_EQ(window->height(), tezvan::TForm1::kCollapsedHeight);

    // A folder is not a note file.
    dialogs.shown.clear();
    window = std::make_unique<tezvan::TForm1>(sound, clock, dialogs);
    window->FormCreate({dir.path()});
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

} // namespace
