#include "tezvan2/core/NotaFile.h"
#include "support/NotaRecord.h"
#include "support/QStringPrinter.h"
#include "support/RowName.h"
#include "tezvan2/core/NoteGrid.h"

#include "support/CommandErrorMessage.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tezvan2;
using testing_support::commandErrorOf;
using testing_support::noCommandError;
using testing_support::notaRecord;
using testing_support::RowName;

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString columns(const NoteGrid& g)
{
    QStringList out;
    for (int c = 0; c < g.count(); ++c)
        out << g.name(c) + u'/' + g.duration(c);
    return out.join(QStringLiteral(" | "));
}

void setColumns(NoteGrid& g, std::initializer_list<std::pair<const char*, const char*>> cols)
{
    g.setCount(int(cols.size()));
    int c = 0;
    for (const auto& [n, d] : cols) {
        g.setName(c, QString::fromUtf8(n));
        g.setDuration(c++, QString::fromUtf8(d));
    }
}

} // namespace

TEST(NotaFile, TwoColumnsAreThirtySixBytes)
{
    NoteGrid g;
    setColumns(g, {{"DO", "600"}, {"RE", "375"}});
    const QByteArray expected = bytes({2, 'D', 'O', 0,   0, 0, 3, '6', '0', '0', 0, 0, 2, 'R', 'E', 0, 0, 0,
                                       3, '3', '7', '5', 0, 0, 0, 0,   0,   0,   0, 0, 0, 0,   0,   0, 0, 0});
    EXPECT_EQ(nota::encode(g), expected);
}

TEST(NotaFile, AFreshGridIsTwoEmptyRecords)
{
    NoteGrid g;
    EXPECT_EQ(nota::encode(g), QByteArray(24, '\0'));
    NoteGrid back;
    setColumns(back, {{"X", "1"}, {"Y", "2"}});
    nota::decodeInto(QByteArray(24, '\0'), back);
    EXPECT_EQ(columns(back), QStringLiteral("/"));
}

TEST(NotaFile, TheClosingRecordHoldsTheFirstHiddenColumn)
{
    NoteGrid g;
    setColumns(g, {{"DO", "1"}, {"RE", "2"}});
    g.removeLastColumn();
    EXPECT_EQ(nota::encode(g).mid(12), notaRecord("RE", "2"));
}

struct ReadingRow : testing_support::NamedRow {
    QByteArray file;
    const char* grid; // after loading into DO/1 | RE/2 | MI/3
};

class NotaFileReading : public ::testing::TestWithParam<ReadingRow> {};

TEST_P(NotaFileReading, LoadsAllRecordsButTheLast)
{
    NoteGrid g;
    setColumns(g, {{"DO", "1"}, {"RE", "2"}, {"MI", "3"}});
    nota::decodeInto(GetParam().file, g);
    EXPECT_EQ(columns(g), QString::fromUtf8(GetParam().grid));
}

const QByteArray kNone = notaRecord("", "");

INSTANTIATE_TEST_SUITE_P(
    Rows, NotaFileReading,
    ::testing::Values(
        ReadingRow{"empty file leaves the grid", {}, "DO/1 | RE/2 | MI/3"},
        ReadingRow{"one record leaves the grid", notaRecord("LA", "5"), "DO/1 | RE/2 | MI/3"},
        ReadingRow{"two records load one column", notaRecord("LA", "5") + kNone, "LA/5"},
        ReadingRow{"a partial record at the end is ignored", notaRecord("LA", "5") + kNone + QByteArray(11, 'x'),
                   "LA/5"},
        ReadingRow{"all records but the last", notaRecord("LA", "5") + notaRecord("SI", "6") + notaRecord("DO", "7"),
                   "LA/5 | SI/6"},
        ReadingRow{"a length byte above five reads five", notaRecord("SOL++", "100", 200) + kNone, "SOL++/100"},
        ReadingRow{"Turkish letters", notaRecord("\xDE\xFD", "1") + kNone, "Şı/1"}),
    RowName());

TEST(NotaFile, BytesTheCodePageLeavesUndefinedSurviveOpenAndSave)
{
    const QByteArray file = notaRecord("\x81\x8D\x9E", "\x90") + notaRecord("", "");
    NoteGrid g;
    nota::decodeInto(file, g);
    EXPECT_EQ(nota::encode(g), file);
}

TEST(NotaFile, OpenDoesNotClearFirst)
{
    NoteGrid g;
    setColumns(g, {{"DO", "1"}, {"RE", "2"}, {"MI", "3"}, {"FA", "4"}});
    nota::decodeInto(notaRecord("LA", "9") + notaRecord("SI", "8") + notaRecord("", ""), g);
    EXPECT_EQ(columns(g), QStringLiteral("LA/9 | SI/8"));
    g.setCount(4);
    EXPECT_EQ(g.name(3), QStringLiteral("FA")); // hidden, not lost
}

TEST(NotaFile, CellsThatWouldBeCutAreNamed)
{
    NoteGrid g;
    setColumns(g, {{"LAAKOR", "100"}, {"DO", "100000"}, {"RE", "99999"}});
    g.setName(3, QStringLiteral("HIDDEN")); // the closing record is never read back
    const auto cut = nota::cellsThatWouldBeCut(g);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0].column, 0);
    EXPECT_EQ(cut[0].row, NoteGrid::kNameRow);
    EXPECT_EQ(cut[0].text, QStringLiteral("LAAKOR"));
    EXPECT_EQ(cut[1].column, 1);
    EXPECT_EQ(cut[1].row, NoteGrid::kDurationRow);
}

TEST(NotaFile, SaveCutsLongCellsOnlyWhenTold)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cut.nota"));
    NoteGrid g;
    setColumns(g, {{"LAAKOR", "100000"}});
    EXPECT_NE(commandErrorOf([&] { nota::save(path, g, nota::LongCells::Refuse); }), noCommandError());
    EXPECT_FALSE(QFile::exists(path));
    nota::save(path, g, nota::LongCells::Cut);
    NoteGrid back;
    nota::open(path, back);
    EXPECT_EQ(columns(back), QStringLiteral("LAAKO/10000"));
}

TEST(NotaFile, SaveThenOpenGivesTheGridBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("take.nota"));
    NoteGrid g;
    setColumns(g, {{"DO", "600"}, {"es", "-20"}, {"", ""}, {"Ğİ", "x"}});
    nota::save(path, g, nota::LongCells::Refuse);
    EXPECT_EQ(readAll(path).size(), 5 * 12);
    NoteGrid back;
    nota::open(path, back);
    EXPECT_EQ(columns(back), columns(g));
}

TEST(NotaFile, SaveReplacesTheFileWithoutTruncatingItInPlace)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("take.nota"));
    NoteGrid g;
    setColumns(g, {{"DO", "600"}});
    nota::save(path, g, nota::LongCells::Refuse);
    const QByteArray oldBytes = readAll(path);
    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    setColumns(g, {{"RE", "1"}, {"MI", "2"}});
    nota::save(path, g, nota::LongCells::Refuse);
    // A reader of the old file still sees it whole: the new one came in by a rename.
    EXPECT_EQ(before.readAll(), oldBytes);
    EXPECT_EQ(readAll(path).size(), 36);
}

TEST(NotaFile, FileErrors)
{
    QTemporaryDir dir;
    NoteGrid g;
    setColumns(g, {{"DO", "1"}, {"RE", "2"}});
    const QString missing = dir.filePath(QStringLiteral("missing.nota"));
    EXPECT_EQ(commandErrorOf([&] { nota::open(missing, g); }), QStringLiteral("File not found"));
    EXPECT_FALSE(QFile::exists(missing)); // opening creates nothing
    EXPECT_EQ(columns(g), QStringLiteral("DO/1 | RE/2"));

    EXPECT_EQ(commandErrorOf([&] { nota::open(dir.filePath(QStringLiteral("no/such.nota")), g); }),
              QStringLiteral("Invalid filename"));
    EXPECT_EQ(commandErrorOf([&] { nota::open(dir.path(), g); }), QStringLiteral("File access denied"));
    EXPECT_EQ(
        commandErrorOf([&] { nota::save(dir.filePath(QStringLiteral("no/such.nota")), g, nota::LongCells::Cut); }),
        QStringLiteral("Invalid filename"));
    EXPECT_EQ(commandErrorOf([&] { nota::save(dir.path(), g, nota::LongCells::Cut); }),
              QStringLiteral("File access denied"));
}

TEST(NotaFile, AReadOnlyFileOpens)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ro.nota"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(notaRecord("MI", "250") + notaRecord("", ""));
    f.close();
    ASSERT_TRUE(f.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    NoteGrid g;
    nota::open(path, g);
    EXPECT_EQ(columns(g), QStringLiteral("MI/250"));
}
