#include "tezvan2/core/NoteGrid.h"
#include "support/QStringPrinter.h"

#include <QAbstractItemModelTester>
#include <gtest/gtest.h>

using namespace tezvan2;

namespace {

void fill(NoteGrid& g, int columns)
{
    g.setCount(columns);
    for (int c = 0; c < columns; ++c) {
        g.setName(c, QStringLiteral("N%1").arg(c));
        g.setDuration(c, QString::number(c * 100));
    }
}

} // namespace

TEST(NoteGrid, RemovedColumnsComeBackWithTheirText)
{
    NoteGrid g;
    const QAbstractItemModelTester tester(&g, QAbstractItemModelTester::FailureReportingMode::Fatal);
    fill(g, 3);
    g.removeLastColumn();
    g.removeLastColumn();
    EXPECT_EQ(g.count(), 1);
    g.removeLastColumn();
    EXPECT_EQ(g.count(), 1); // floor
    g.addColumn();
    g.addColumn();
    EXPECT_EQ(g.name(2), QStringLiteral("N2"));
    EXPECT_EQ(g.data(g.index(1, 2)).toString(), QStringLiteral("200"));
}

TEST(NoteGrid, ClearBlanksTheShownColumnsAndTheFirstHiddenOneOnly)
{
    NoteGrid g;
    const QAbstractItemModelTester tester(&g, QAbstractItemModelTester::FailureReportingMode::Fatal);
    fill(g, 6);
    g.setCount(3);
    g.clear();
    EXPECT_EQ(g.count(), 1);
    for (int c = 0; c <= 3; ++c) {
        SCOPED_TRACE(c);
        EXPECT_TRUE(g.name(c).isEmpty());
        EXPECT_TRUE(g.duration(c).isEmpty());
    }
    EXPECT_EQ(g.name(4), QStringLiteral("N4"));
    EXPECT_EQ(g.duration(5), QStringLiteral("500"));
    g.setCount(6);
    EXPECT_EQ(g.data(g.index(0, 5)).toString(), QStringLiteral("N5"));
}

TEST(NoteGrid, IsATwoRowModelWithEditableCells)
{
    NoteGrid g;
    const QAbstractItemModelTester tester(&g, QAbstractItemModelTester::FailureReportingMode::Fatal);
    g.setCount(4);
    EXPECT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.columnCount(), 4);
    const QModelIndex cell = g.index(1, 3);
    EXPECT_TRUE(g.flags(cell) & Qt::ItemIsEditable);
    EXPECT_TRUE(g.setData(cell, QStringLiteral("Şarkı")));
    EXPECT_EQ(g.duration(3), QStringLiteral("Şarkı"));
    g.setCount(0);
    EXPECT_EQ(g.columnCount(), 1);
}
