// The ".tnl" note file: reading every kind of text, writing byte-exact and atomically,
// visible lines, the start-up path.
#include "tezvan/core/NoteFile.h"
#include "tezvan/core/DisplayTextFile.h"

#include "support/AsOrdinaryUser.h"
#include "support/CommandErrorMessage.h"
#include "support/Files.h"
#include "support/QStringPrinter.h"
#include "support/RowName.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

using namespace tezvan;
using testing_support::commandErrorOf;
using testing_support::lines;
using testing_support::noCommandError;
using testing_support::readFile;
using testing_support::RowName;
using testing_support::writeFile;

struct SplitRow : testing_support::NamedRow {
    QByteArray bytes;
    QStringList expected;
};

class NoteFileReader : public ::testing::TestWithParam<SplitRow> {};

TEST_P(NoteFileReader, SplitsEveryKindOfText)
{
    EXPECT_EQ(splitNoteText(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NoteFileReader,
    ::testing::Values(
        SplitRow{"CR LF after every line", QByteArray("00=0\r\n01=451\r\n"), lines({"00=0", "01=451"})},
        SplitRow{"LF only", QByteArray("00=0\n01=451\n"), lines({"00=0", "01=451"})},
        SplitRow{"CR only", QByteArray("00=0\r01=451\r"), lines({"00=0", "01=451"})},
        SplitRow{"last line without a break", QByteArray("00=0\r\n01=451"), lines({"00=0", "01=451"})},
        SplitRow{"mixed breaks", QByteArray("a\rb\nc\r\nd"), lines({"a", "b", "c", "d"})},
        SplitRow{"LF CR is two breaks", QByteArray("a\n\rb"), lines({"a", "", "b"})},
        SplitRow{"empty line between entries", QByteArray("00=0\r\n\r\n01=5\r\n"), lines({"00=0", "", "01=5"})},
        SplitRow{"empty lines at the start and end", QByteArray("\r\n00=0\r\n\r\n"), lines({"", "00=0", ""})},
        SplitRow{"empty file", QByteArray(), QStringList()},
        SplitRow{"a single break", QByteArray("\r\n"), lines({""})},
        SplitRow{"one byte", QByteArray("7"), lines({"7"})},
        SplitRow{"NUL ends the text",
                 QByteArray("00=0\r\n01=4\0"
                            "02=9\r\n",
                            15),
                 lines({"00=0", "01=4"})},
        SplitRow{"NUL at the start",
                 QByteArray("\0"
                            "00=0\r\n",
                            7),
                 QStringList()},
        SplitRow{"blanks are kept", QByteArray(" 00=0 \r\n\t01=1"), lines({" 00=0 ", "\t01=1"})},
        SplitRow{"lines that are not notes", QByteArray("99=5\r\nxx\r\nDO-K (00)\r\n"),
                 lines({"99=5", "xx", "DO-K (00)"})},
        SplitRow{"Turkish letters in Windows-1254", QByteArray("B\xDDT\xDD\xDE (13)\r\n"), lines({"BİTİŞ (13)"})}),
    RowName());

TEST(NoteFileReader, ReadsAFileAndNamesTheOneItCannotOpen)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("ilk parça.tnl"));
    ASSERT_TRUE(writeFile(good, "01=451\n11=985\r03=789"));
    EXPECT_EQ(readNoteFile(good), lines({"01=451", "11=985", "03=789"}));

    const QString missing = dir.filePath(QStringLiteral("yok.tnl"));
    EXPECT_EQ(commandErrorOf([&] { readNoteFile(missing); }), QStringLiteral("Cannot open file ") + missing);
    EXPECT_EQ(commandErrorOf([&] { readNoteFile(dir.path()); }), QStringLiteral("Cannot open file ") + dir.path());
}

struct WriteRow : testing_support::NamedRow {
    QStringList entries;
    QByteArray expected;
};

class NoteFileWriterBytes : public ::testing::TestWithParam<WriteRow> {};

TEST_P(NoteFileWriterBytes, WritesEveryLineWithCrLf)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromUtf8(GetParam().name) + QStringLiteral(".tnl"));
    writeNoteFile(path, GetParam().entries);
    EXPECT_EQ(readFile(path), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, NoteFileWriterBytes,
                         ::testing::Values(WriteRow{"two entries make 14 bytes", lines({"00=0", "01=451"}),
                                                    QByteArray("00=0\r\n01=451\r\n")},
                                           WriteRow{"empty entry stays an empty line", lines({"00=0", "", "13=2"}),
                                                    QByteArray("00=0\r\n\r\n13=2\r\n")},
                                           WriteRow{"no entries, no bytes", QStringList(), QByteArray()},
                                           WriteRow{"Turkish letters as single bytes", lines({"Mİ (02)"}),
                                                    QByteArray("M\xDD (02)\r\n")}),
                         RowName());

TEST(NoteFileWriter, TwoEntriesMakeFourteenBytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("two.tnl"));
    writeNoteFile(path, lines({"00=0", "01=451"}));
    EXPECT_EQ(readFile(path).size(), 14);
}

TEST(NoteFileWriter, ReadBackGivesTheSameEntries)
{
    const QStringList entries = lines({"00=0", "", "99=5", "BİTİŞ (13)", "07=-3", " 01=1 "});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("round.tnl"));
    writeNoteFile(path, entries);
    EXPECT_EQ(readNoteFile(path), entries);
}

struct FailedSaveRow : testing_support::NamedRow {
    QString fileName;
    bool lockFolder;
    const char* message; // the start of the expected message
};

class NoteFileWriterFailedSave : public ::testing::TestWithParam<FailedSaveRow> {};

TEST_P(NoteFileWriterFailedSave, LeavesTheEarlierFileAsItWas)
{
    const FailedSaveRow& row = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(row.fileName);
    ASSERT_TRUE(writeFile(path, "05=7\r\n"));
    const QFileDevice::Permissions readAndEnter = QFileDevice::ReadOwner | QFileDevice::ExeOwner
        | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
    if (row.lockFolder) {
        ASSERT_TRUE(QFile::setPermissions(dir.path(), readAndEnter));
    }
    const auto save = [&] { return commandErrorOf([&] { writeNoteFile(path, lines({"00=0", "01=451"})); }); };
    QString message;
    if (row.lockFolder) {
        testing_support::AsOrdinaryUser user;
        if (!user.ok())
            GTEST_SKIP() << "running as root and cannot act as an ordinary user (seteuid failed)";
        message = save();
    } else {
        message = save();
    }
    QFile::setPermissions(dir.path(), readAndEnter | QFileDevice::WriteOwner);

    if (row.lockFolder && message == noCommandError())
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    EXPECT_TRUE(message.startsWith(QString::fromUtf8(row.message))) << qPrintable(message);
    EXPECT_TRUE(message.contains(path));
    EXPECT_EQ(readFile(path), QByteArray("05=7\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{row.fileName});
}

INSTANTIATE_TEST_SUITE_P(Rows, NoteFileWriterFailedSave,
                         ::testing::Values(FailedSaveRow{"folder that takes no new file", QStringLiteral("eski.tnl"),
                                                         true, "Cannot create file "},
                                           FailedSaveRow{"no room for the name of the file written beside it",
                                                         QString(250, QLatin1Char('a')), false, "Cannot "}),
                         RowName());

struct UncreatableRow : testing_support::NamedRow {
    std::function<QString(const QTemporaryDir&)> path;
};

class NoteFileWriterUncreatable : public ::testing::TestWithParam<UncreatableRow> {};

TEST_P(NoteFileWriterUncreatable, NamesTheFileItCannotCreate)
{
    QTemporaryDir dir;
    const QString path = GetParam().path(dir);
    EXPECT_EQ(commandErrorOf([&] { writeNoteFile(path, lines({"00=0"})); }),
              QStringLiteral("Cannot create file ") + path);
    EXPECT_EQ(commandErrorOf([&] { writeDisplayTextFile(path, lines({"DO-K (00)"})); }),
              QStringLiteral("Cannot create file ") + path);
}

INSTANTIATE_TEST_SUITE_P(Rows, NoteFileWriterUncreatable,
                         ::testing::Values(UncreatableRow{"folder that does not exist",
                                                          [](const QTemporaryDir& dir) {
                                                              return dir.filePath(QStringLiteral("yok/liste.tnl"));
                                                          }},
                                           UncreatableRow{"a folder in the file's place",
                                                          [](const QTemporaryDir& dir) { return dir.path(); }}),
                         RowName());

struct VisibleRow : testing_support::NamedRow {
    const char* entry;
    const char* visible;
};

class NoteFileLinesVisible : public ::testing::TestWithParam<VisibleRow> {};

TEST_P(NoteFileLinesVisible, VisibleLineOfEachKindOfEntry)
{
    EXPECT_EQ(visibleLineOf(QString::fromUtf8(GetParam().entry)), QString::fromUtf8(GetParam().visible));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NoteFileLinesVisible,
    ::testing::Values(VisibleRow{"first note", "00=0", "DO-K (00)"}, VisibleRow{"last note", "13=20", "BİTİŞ (13)"},
                      VisibleRow{"note with İ", "02=1", "Mİ (02)"}, VisibleRow{"code alone", "07", "SOLID (07)"},
                      VisibleRow{"code outside the notes", "99=5", "99"}, VisibleRow{"code 14", "14=1", "14"},
                      VisibleRow{"one character", "5", "5"}, VisibleRow{"empty entry", "", ""},
                      VisibleRow{"display text read back", "DO-K (00)", "DO"},
                      VisibleRow{"negative code", "-1=3", "-1"}, VisibleRow{"blank before the code", " 1=3", " 1"}),
    RowName());

TEST(NoteFileLines, VisibleLinesOfAList)
{
    EXPECT_EQ(visibleLinesOf(lines({"00=0", "x"})), lines({"DO-K (00)", "x"}));
}

struct NumbersRow : testing_support::NamedRow {
    const char* entry;
    bool playable;
    int code;
    int pause;
};

class NoteFileLinesNumbers : public ::testing::TestWithParam<NumbersRow> {};

TEST_P(NoteFileLinesNumbers, EntriesAsNumbers)
{
    const NumbersRow& row = GetParam();
    const auto parsed = parseNoteEntry(QString::fromUtf8(row.entry));
    ASSERT_EQ(parsed.has_value(), row.playable);
    if (parsed) {
        EXPECT_EQ(parsed->code, row.code);
        EXPECT_EQ(parsed->pause, row.pause);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, NoteFileLinesNumbers,
                         ::testing::Values(NumbersRow{"ordinary", "01=451", true, 1, 451},
                                           NumbersRow{"zero pause", "13=0", true, 13, 0},
                                           NumbersRow{"negative pause", "05=-20", true, 5, -20},
                                           NumbersRow{"code outside the notes still reads", "99=5", true, 99, 5},
                                           NumbersRow{"negative code", "-1=5", true, -1, 5},
                                           NumbersRow{"any third character", "03x7", true, 3, 7},
                                           NumbersRow{"largest pause", "00=2147483647", true, 0, 2147483647},
                                           NumbersRow{"pause over 32 bits", "00=2147483648", false, 0, 0},
                                           NumbersRow{"shorter than four characters", "00=", false, 0, 0},
                                           NumbersRow{"empty", "", false, 0, 0},
                                           NumbersRow{"letters in the pause", "00=1a", false, 0, 0},
                                           NumbersRow{"blank in the pause", "00= 1", false, 0, 0},
                                           NumbersRow{"letters in the code", "DO-K (00)", false, 0, 0},
                                           NumbersRow{"sign alone", "00=-", false, 0, 0}),
                         RowName());

TEST(NoteFileLines, CommandLineJoinsWithSingleSpaces)
{
    EXPECT_EQ(joinCommandLine(lines({"C:\\Notlar\\ilk", "parça.tnl"})),
              QString::fromUtf8("C:\\Notlar\\ilk parça.tnl"));
    EXPECT_EQ(joinCommandLine(lines({"/tmp/a.tnl"})), QStringLiteral("/tmp/a.tnl"));
    EXPECT_EQ(joinCommandLine(QStringList()), QString());
}
