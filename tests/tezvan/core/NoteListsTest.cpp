// The two note lists stay parallel through every change, and the current index never
// points past the end.
#include "tezvan/core/NoteLists.h"

#include "support/CommandErrorMessage.h"
#include "support/QStringPrinter.h"
#include "support/RowName.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>

namespace {

using testing_support::RowName;
using tezvan::NoteLists;

TEST(NoteLists, EveryChangeKeepsEntriesAndLinesParallel)
{
    NoteLists l;
    QSignalSpy counts(&l, &NoteLists::countChanged);
    l.append(QStringLiteral("00=0"), QStringLiteral("DO-K (00)"));
    l.append(QStringLiteral("01=451"), QStringLiteral("RE (01)"));
    l.append(QStringLiteral("99=5"), QStringLiteral("99"));
    l.setAt(1, QStringLiteral("13=451"), QString::fromUtf8("BİTİŞ (13)"));
    l.removeAt(0);
    l.removeAt(7); // out of range: nothing
    EXPECT_EQ(l.entries(), QStringList({QStringLiteral("13=451"), QStringLiteral("99=5")}));
    EXPECT_EQ(l.lines(), QStringList({QString::fromUtf8("BİTİŞ (13)"), QStringLiteral("99")}));
    EXPECT_EQ(l.rowCount(), 2);
    EXPECT_EQ(l.data(l.index(0), Qt::DisplayRole).toString(), QString::fromUtf8("BİTİŞ (13)"));
    EXPECT_EQ(counts.size(), 4); // three appends and one removal
    EXPECT_EQ(counts.last().first().toInt(), 2);
}

struct CurrentIndexRow : testing_support::NamedRow {
    int set;
    int removeAt; // -1: none
    int expected;
};

class NoteListsCurrentIndex : public ::testing::TestWithParam<CurrentIndexRow> {};

TEST_P(NoteListsCurrentIndex, StaysInsideTheList)
{
    const CurrentIndexRow& r = GetParam();
    NoteLists l;
    for (int i = 0; i < 3; ++i)
        l.append(QStringLiteral("0%1=0").arg(i), QStringLiteral("x"));
    l.setCurrentIndex(r.set);
    if (r.removeAt >= 0)
        l.removeAt(r.removeAt);
    EXPECT_EQ(l.currentIndex(), r.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, NoteListsCurrentIndex,
                         ::testing::Values(CurrentIndexRow{"a line of the list", 2, -1, 2},
                                           CurrentIndexRow{"none", -1, -1, -1},
                                           CurrentIndexRow{"past the end becomes none", 3, -1, -1},
                                           CurrentIndexRow{"below -1 becomes none", -5, -1, -1},
                                           CurrentIndexRow{"the last line removed moves it up", 2, 2, 1},
                                           CurrentIndexRow{"a line above removed keeps the number", 1, 0, 1}),
                         RowName());

TEST(NoteLists, ReplacingAllIsOneResetAndClearsTheCurrentIndex)
{
    NoteLists l;
    const QAbstractItemModelTester tester(&l, QAbstractItemModelTester::FailureReportingMode::Fatal);
    l.append(QStringLiteral("00=0"), QStringLiteral("DO-K (00)"));
    l.setCurrentIndex(0);
    QSignalSpy resets(&l, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(&l, &QAbstractItemModel::rowsInserted);
    QStringList entries, lines;
    for (int i = 0; i < 1000; ++i) {
        entries << QStringLiteral("05=%1").arg(i);
        lines << QStringLiteral("LA (05)");
    }
    l.replaceAll(entries, lines);
    EXPECT_EQ(resets.size(), 1);
    EXPECT_EQ(inserts.size(), 0);
    EXPECT_EQ(l.count(), 1000);
    EXPECT_EQ(l.currentIndex(), -1);
    l.clear();
    EXPECT_TRUE(l.isEmpty());
    EXPECT_EQ(tezvan::noteCountText(0), QString::fromUtf8("Toplam Nota Sayısı : 0"));
}

} // namespace

namespace {

using tezvan::NoteLists;

// Both lists as one text, each entry beside its line, so a failure shows them.
QString snapshotOf(const NoteLists& l)
{
    QStringList rows;
    for (int i = 0; i < l.count(); ++i)
        rows << l.entry(i) + QStringLiteral(" | ") + l.line(i);
    return rows.join(QLatin1Char('\n'));
}

// Every kind of change, each undone and redone: both lists come back exactly, the model's
// rows with them. The list holds entries whose times are not written plainly, so a change
// of all times must keep their text, not only their value.
TEST(NoteListsUndo, EveryChangeGoesBackAndForthExactly)
{
    NoteLists l;
    const QAbstractItemModelTester tester(&l, QAbstractItemModelTester::FailureReportingMode::Fatal);
    l.replaceAll({QStringLiteral("03=300"), QStringLiteral("05=0007"), QStringLiteral("07=-0"),
                  QStringLiteral("10=+12"), QStringLiteral("11=-5")},
                 {QStringLiteral("FA (03)"), QStringLiteral("LA (05)"), QStringLiteral("SOLID (07)"),
                  QStringLiteral("SOL- (10)"), QString::fromUtf8("Mİ-2 (11)")});
    EXPECT_FALSE(l.canUndo());
    std::vector<QString> states{snapshotOf(l)};
    const std::vector<std::function<void()>> changes{
        [&] { l.append(QStringLiteral("01=451"), QStringLiteral("RE (01)")); },
        [&] { l.setAt(1, QStringLiteral("10=0007"), QStringLiteral("SOL- (10)")); },
        [&] { l.insertAt(0, QStringLiteral("13=0"), QString::fromUtf8("BİTİŞ (13)")); },
        [&] { l.removeAt(3); },
        [&] { l.shiftTimes(2147483000); },
        [&] { l.shiftTimes(-500); },
        [&] { l.insertAt(2, QStringLiteral("ab"), QStringLiteral("ab")); },
        [&] { l.insertAt(0, QStringLiteral("123"), QStringLiteral("12")); },
        [&] { l.resetTimes(); },
    };
    for (const auto& change : changes) {
        change();
        states.push_back(snapshotOf(l));
    }
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(l.undo());
        EXPECT_EQ(snapshotOf(l), states[i - 1]) << "undo to state " << i - 1;
        EXPECT_EQ(l.entries().size(), l.lines().size());
    }
    EXPECT_FALSE(l.undo());
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(l.redo());
        EXPECT_EQ(snapshotOf(l), states[i]) << "redo to state " << i;
    }
    EXPECT_FALSE(l.redo());
}

TEST(NoteLists, TimesAreShiftedAllOrNothingAndResetWhateverTheLine)
{
    NoteLists l;
    const QStringList take{QStringLiteral("00=1"), QStringLiteral("01=x"), QStringLiteral("02=3")};
    l.replaceAll(take, take);
    EXPECT_EQ(testing_support::commandErrorOf([&] { l.shiftTimes(10); }),
              QStringLiteral("'x' is not a valid integer value"));
    EXPECT_EQ(l.entries(), take);
    EXPECT_FALSE(l.canUndo()) << "a shift that failed is no step";

    const QStringList odd{QStringLiteral("03=300"), QStringLiteral("x"), QStringLiteral("ab"),
                          QStringLiteral("abcdef"), QString()};
    l.replaceAll(odd, odd);
    l.resetTimes();
    EXPECT_EQ(l.entries(),
              QStringList({QStringLiteral("03=0"), QStringLiteral("x0"), QStringLiteral("ab0"),
                           QStringLiteral("abc0"), QStringLiteral("0")}));
    EXPECT_EQ(l.lines(), odd);
}

TEST(NoteListsUndo, ANewChangeDropsTheRedoStepsAndANewTakeDropsAll)
{
    NoteLists l;
    l.append(QStringLiteral("00=0"), QStringLiteral("DO-K (00)"));
    l.append(QStringLiteral("01=1"), QStringLiteral("RE (01)"));
    ASSERT_TRUE(l.undo());
    l.append(QStringLiteral("02=2"), QString::fromUtf8("Mİ (02)"));
    EXPECT_FALSE(l.redo());
    EXPECT_EQ(l.entries(), QStringList({QStringLiteral("00=0"), QStringLiteral("02=2")}));

    l.replaceAll({QStringLiteral("05=5")}, {QStringLiteral("LA (05)")});
    EXPECT_FALSE(l.undo());
    l.clear();
    EXPECT_FALSE(l.undo());
    EXPECT_FALSE(l.canRedo());
}

TEST(NoteListsUndo, KeepsTheLastHundredSteps)
{
    NoteLists l;
    for (int i = 0; i < 150; ++i)
        l.append(QStringLiteral("00=%1").arg(i), QStringLiteral("DO-K (00)"));
    int undone = 0;
    while (l.undo())
        ++undone;
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(l.count(), 50);
    EXPECT_EQ(l.entries().last(), QStringLiteral("00=49"));
}

} // namespace
