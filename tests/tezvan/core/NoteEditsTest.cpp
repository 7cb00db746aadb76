// The editing rules on note entries: one shift of a time in each direction and at each
// edge, the reset, the step's answers and the note a line names.
#include "tezvan/core/NoteEdits.h"

#include "support/CommandErrorMessage.h"
#include "support/QStringPrinter.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

namespace {

using testing_support::RowName;

struct ShiftRow : testing_support::NamedRow {
    const char* entry;
    int delta;
    const char* shifted; // nullptr: the shift ends with the error
    const char* error;
};

class NoteEditsShift : public ::testing::TestWithParam<ShiftRow> {};

TEST_P(NoteEditsShift, MovesTheTimeAndKeepsCodeAndEqualsSign)
{
    const ShiftRow& r = GetParam();
    QString shifted;
    const QString error = testing_support::commandErrorOf(
        [&] { shifted = tezvan::shiftedEntry(QString::fromUtf8(r.entry), r.delta); });
    if (r.shifted) {
        EXPECT_EQ(error, testing_support::noCommandError());
        EXPECT_EQ(shifted, QString::fromUtf8(r.shifted));
    } else {
        EXPECT_EQ(error, QString::fromUtf8(r.error));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NoteEditsShift,
    ::testing::Values(
        ShiftRow{"down past 0 stops at 0", "03=300", -500, "03=0", nullptr},
        ShiftRow{"up by the step", "03=300", 500, "03=800", nullptr},
        ShiftRow{"down from 0 stays 0", "00=0", -1, "00=0", nullptr},
        ShiftRow{"up near the top stops at the top", "13=2147483000", 1000, "13=2147483647", nullptr},
        ShiftRow{"up at the top stays there", "13=2147483647", 1, "13=2147483647", nullptr},
        ShiftRow{"a time below 0 from a file moves up by the step", "05=-700", 500, "05=-200", nullptr},
        ShiftRow{"a time below 0 from a file goes to 0 down", "05=-700", -1, "05=0", nullptr},
        ShiftRow{"a time with a plus sign and zeros is written plainly", "05=+007", 1, "05=8", nullptr},
        ShiftRow{"a line that is no note entry but ends in a number", "abc12", 3, "abc15", nullptr},
        ShiftRow{"a time that is no number", "05=12a", 5, nullptr, "'12a' is not a valid integer value"},
        ShiftRow{"a line with no time", "05=", 5, nullptr, "'' is not a valid integer value"},
        ShiftRow{"a line shorter than code and sign", "7", 5, nullptr, "'' is not a valid integer value"},
        ShiftRow{"a time beyond 32 bits", "05=2147483648", -5, nullptr,
                 "'2147483648' is not a valid integer value"}),
    RowName());

struct StepRow : testing_support::NamedRow {
    const char* answer;
    int step;
};

class NoteEditsStep : public ::testing::TestWithParam<StepRow> {};

TEST_P(NoteEditsStep, FromTheAnswer)
{
    EXPECT_EQ(tezvan::stepOfAnswer(QString::fromUtf8(GetParam().answer)), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NoteEditsStep,
    ::testing::Values(StepRow{"a number in range", "250", 250}, StepRow{"the largest", "1000", 1000},
                      StepRow{"the smallest", "1", 1}, StepRow{"no number", "abc", 1}, StepRow{"empty", "", 1},
                      StepRow{"zero", "0", 1}, StepRow{"negative", "-5", 1}, StepRow{"above the largest", "1001", 1},
                      StepRow{"beyond 32 bits", "99999999999", 1}, StepRow{"with blanks", " 20", 1}),
    RowName());

struct LineRow : testing_support::NamedRow {
    const char* line;
    int note; // -1: none
};

class NoteEditsLine : public ::testing::TestWithParam<LineRow> {};

TEST_P(NoteEditsLine, NamesItsNote)
{
    const std::optional<int> n = tezvan::noteOfLine(QString::fromUtf8(GetParam().line));
    EXPECT_EQ(n.value_or(-1), GetParam().note);
}

INSTANTIATE_TEST_SUITE_P(Rows, NoteEditsLine,
                         ::testing::Values(LineRow{"a visible line", "SOL- (10)", 10},
                                           LineRow{"the first note", "DO-K (00)", 0},
                                           LineRow{"Turkish letters", "BİTİŞ (13)", 13},
                                           LineRow{"no note beyond the fourteen", "XX (14)", -1},
                                           LineRow{"the label before first use", "?????????", -1},
                                           LineRow{"a line of a non-note entry", "ab", -1},
                                           LineRow{"empty", "", -1}),
                         RowName());

TEST(NoteEdits, AChangeKeepsTheTimeAndAnInsertStartsAtZero)
{
    const QString item = QStringLiteral("SOL- (10)");
    EXPECT_EQ(tezvan::entryWithCode(QStringLiteral("05=1234"), tezvan::codeOfLine(item)), QStringLiteral("10=1234"));
    EXPECT_EQ(tezvan::entryWithCode(QStringLiteral("zz"), QStringLiteral("03")), QStringLiteral("03"));
    EXPECT_EQ(tezvan::insertedEntry(tezvan::codeOfLine(item)), QStringLiteral("10=0"));
}

} // namespace
