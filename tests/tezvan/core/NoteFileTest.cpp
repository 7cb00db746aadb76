// The ".tnl" note file and the display text file: reading every kind of text, writing
// byte-exact and atomically, visible lines, the start-up path.
#include "tezvan/core/DisplayTextFile.h"
#include "tezvan/core/NoteFile.h"

#include "support/CommandErrorMessage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tezvan;
using testing_support::commandErrorOf;
using testing_support::noCommandError;

namespace {

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<unreadable>");
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QStringList lines(std::initializer_list<const char*> utf8)
{
    QStringList out;
    for (const char* s : utf8)
        out.append(QString::fromUtf8(s));
    return out;
}

} // namespace

TEST(NoteFileReader, SplitsEveryKindOfText)
{
    struct Row {
        const char* name;
        QByteArray bytes;
        QStringList expected;
    };
    const std::vector<Row> rows = {
        {"CR LF after every line", QByteArray("00=0\r\n01=451\r\n"), lines({"00=0", "01=451"})},
        {"LF only", QByteArray("00=0\n01=451\n"), lines({"00=0", "01=451"})},
        {"CR only", QByteArray("00=0\r01=451\r"), lines({"00=0", "01=451"})},
        {"last line without a break", QByteArray("00=0\r\n01=451"), lines({"00=0", "01=451"})},
        {"mixed breaks", QByteArray("a\rb\nc\r\nd"), lines({"a", "b", "c", "d"})},
        {"LF CR is two breaks", QByteArray("a\n\rb"), lines({"a", "", "b"})},
        {"empty line between entries", QByteArray("00=0\r\n\r\n01=5\r\n"), lines({"00=0", "", "01=5"})},
        {"empty lines at the start and end", QByteArray("\r\n00=0\r\n\r\n"), lines({"", "00=0", ""})},
        {"empty file", QByteArray(), QStringList()},
        {"a single break", QByteArray("\r\n"), lines({""})},
        {"one byte", QByteArray("7"), lines({"7"})},
        {"NUL ends the text", QByteArray("00=0\r\n01=4\0" "02=9\r\n", 15), lines({"00=0", "01=4"})},
        {"NUL at the start", QByteArray("\0" "00=0\r\n", 7), QStringList()},
        {"blanks are kept", QByteArray(" 00=0 \r\n\t01=1"), lines({" 00=0 ", "\t01=1"})},
        {"lines that are not notes", QByteArray("99=5\r\nxx\r\nDO-K (00)\r\n"), lines({"99=5", "xx", "DO-K (00)"})},
        {"Turkish letters in Windows-1254", QByteArray("B\xDDT\xDD\xDE (13)\r\n"), lines({"BİTİŞ (13)"})},
    };
    for (const Row& row : rows)
        EXPECT_EQ(splitNoteText(row.bytes), row.expected) << row.name;
}

TEST(NoteFileReader, ReadsAFileAndNamesTheOneItCannotOpen)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("ilk parça.tnl"));
    writeBytes(good, "01=451\n11=985\r03=789");
    EXPECT_EQ(readNoteFile(good), lines({"01=451", "11=985", "03=789"}));

    const QString missing = dir.filePath(QStringLiteral("yok.tnl"));
    EXPECT_EQ(commandErrorOf([&] { readNoteFile(missing); }), QStringLiteral("Cannot open file ") + missing);
    EXPECT_EQ(commandErrorOf([&] { readNoteFile(dir.path()); }), QStringLiteral("Cannot open file ") + dir.path());
}

TEST(NoteFileWriter, WritesEveryLineWithCrLf)
{
    struct Row {
        const char* name;
        QStringList entries;
        QByteArray expected;
    };
    const std::vector<Row> rows = {
        {"two entries make 14 bytes", lines({"00=0", "01=451"}), QByteArray("00=0\r\n01=451\r\n")},
        {"empty entry stays an empty line", lines({"00=0", "", "13=2"}), QByteArray("00=0\r\n\r\n13=2\r\n")},
        {"no entries, no bytes", QStringList(), QByteArray()},
        {"Turkish letters as single bytes", lines({"Mİ (02)"}), QByteArray("M\xDD (02)\r\n")},
    };
    QTemporaryDir dir;
    for (const Row& row : rows) {
        const QString path = dir.filePath(QString::fromUtf8(row.name) + QStringLiteral(".tnl"));
        writeNoteFile(path, row.entries);
        EXPECT_EQ(readBytes(path), row.expected) << row.name;
    }
    EXPECT_EQ(readBytes(dir.filePath(QStringLiteral("two entries make 14 bytes.tnl"))).size(), 14);
}

TEST(NoteFileWriter, ReadBackGivesTheSameEntries)
{
    const QStringList entries = lines({"00=0", "", "99=5", "BİTİŞ (13)", "07=-3", " 01=1 "});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("round.tnl"));
    writeNoteFile(path, entries);
    EXPECT_EQ(readNoteFile(path), entries);
}

TEST(NoteFileWriter, AFailedSaveLeavesTheEarlierFileAsItWas)
{
    struct Row {
        const char* name;
        QString fileName;
        bool lockFolder;
        const char* message; // the start of the expected message
    };
    const std::vector<Row> rows = {
        {"folder that takes no new file", QStringLiteral("eski.tnl"), true, "Cannot create file "},
        {"no room for the name of the file written beside it", QString(250, QLatin1Char('a')), false,
         "Cannot "},
    };
    for (const Row& row : rows) {
        QTemporaryDir dir;
        const QString path = dir.filePath(row.fileName);
        writeBytes(path, "05=7\r\n");
        if (row.lockFolder) {
            ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        const QString message = commandErrorOf([&] { writeNoteFile(path, lines({"00=0", "01=451"})); });
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

        if (row.lockFolder && message == noCommandError())
            continue; // running with rights that ignore folder permissions
        EXPECT_TRUE(message.startsWith(QString::fromUtf8(row.message))) << row.name << ": " << qPrintable(message);
        EXPECT_TRUE(message.contains(path)) << row.name;
        EXPECT_EQ(readBytes(path), QByteArray("05=7\r\n")) << row.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{row.fileName}) << row.name;
    }
}

TEST(NoteFileWriter, NamesTheFileItCannotCreate)
{
    QTemporaryDir dir;
    struct Row {
        const char* name;
        QString path;
    };
    const std::vector<Row> rows = {
        {"folder that does not exist", dir.filePath(QStringLiteral("yok/liste.tnl"))},
        {"a folder in the file's place", dir.path()},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(commandErrorOf([&] { writeNoteFile(row.path, lines({"00=0"})); }),
                  QStringLiteral("Cannot create file ") + row.path)
            << row.name;
        EXPECT_EQ(commandErrorOf([&] { writeDisplayTextFile(row.path, lines({"DO-K (00)"})); }),
                  QStringLiteral("Cannot create file ") + row.path)
            << row.name;
    }
}

TEST(NoteFileLines, VisibleLineOfEachKindOfEntry)
{
    struct Row {
        const char* name;
        const char* entry;
        const char* visible;
    };
    const std::vector<Row> rows = {
        {"first note", "00=0", "DO-K (00)"},
        {"last note", "13=20", "BİTİŞ (13)"},
        {"note with İ", "02=1", "Mİ (02)"},
        {"code alone", "07", "SOLID (07)"},
        {"code outside the notes", "99=5", "99"},
        {"code 14", "14=1", "14"},
        {"one character", "5", "5"},
        {"empty entry", "", ""},
        {"display text read back", "DO-K (00)", "DO"},
        {"negative code", "-1=3", "-1"},
        {"blank before the code", " 1=3", " 1"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(visibleLineOf(QString::fromUtf8(row.entry)), QString::fromUtf8(row.visible)) << row.name;
    EXPECT_EQ(visibleLinesOf(lines({"00=0", "x"})), lines({"DO-K (00)", "x"}));
}

TEST(NoteFileLines, EntriesAsNumbers)
{
    struct Row {
        const char* name;
        const char* entry;
        bool playable;
        int code;
        int pause;
    };
    const std::vector<Row> rows = {
        {"ordinary", "01=451", true, 1, 451},
        {"zero pause", "13=0", true, 13, 0},
        {"negative pause", "05=-20", true, 5, -20},
        {"code outside the notes still reads", "99=5", true, 99, 5},
        {"negative code", "-1=5", true, -1, 5},
        {"any third character", "03x7", true, 3, 7},
        {"largest pause", "00=2147483647", true, 0, 2147483647},
        {"pause over 32 bits", "00=2147483648", false, 0, 0},
        {"shorter than four characters", "00=", false, 0, 0},
        {"empty", "", false, 0, 0},
        {"letters in the pause", "00=1a", false, 0, 0},
        {"blank in the pause", "00= 1", false, 0, 0},
        {"letters in the code", "DO-K (00)", false, 0, 0},
        {"sign alone", "00=-", false, 0, 0},
    };
    for (const Row& row : rows) {
        const auto parsed = parseNoteEntry(QString::fromUtf8(row.entry));
        ASSERT_EQ(parsed.has_value(), row.playable) << row.name;
        if (parsed) {
            EXPECT_EQ(parsed->code, row.code) << row.name;
            EXPECT_EQ(parsed->pause, row.pause) << row.name;
        }
    }
}

TEST(NoteFileLines, CommandLineJoinsWithSingleSpaces)
{
    EXPECT_EQ(joinCommandLine(lines({"C:\\Notlar\\ilk", "parça.tnl"})), QString::fromUtf8("C:\\Notlar\\ilk parça.tnl"));
    EXPECT_EQ(joinCommandLine(lines({"/tmp/a.tnl"})), QStringLiteral("/tmp/a.tnl"));
    EXPECT_EQ(joinCommandLine(QStringList()), QString());
}

TEST(DisplayTextFile, TurkishLettersAreSingleBytes)
{
    EXPECT_EQ(displayTextBytes(lines({"BİTİŞ (13)", "Mİ (02)"})),
              QByteArray("B\xDDT\xDD\xDE (13)\r\nM\xDD (02)\r\n"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("liste.txt"));
    writeDisplayTextFile(path, lines({"Mİ (02)"}));
    EXPECT_EQ(readBytes(path), QByteArray("M\xDD (02)\r\n"));
}
