#include "platform/WholeNumber.h"
#include "support/CommandErrorMessage.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

using namespace platform;
using testing_support::RowName;

struct NumberRow : testing_support::NamedRow {
    const char* text;
    std::optional<qint32> value;
};

class WholeNumberTexts : public ::testing::TestWithParam<NumberRow> {};

TEST_P(WholeNumberTexts, ReadsDecimalTextOfThirtyTwoBits)
{
    EXPECT_EQ(parseWholeNumber(QString::fromUtf8(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WholeNumberTexts,
    ::testing::Values(NumberRow{"digits", "451", 451}, NumberRow{"zero", "0", 0},
                      NumberRow{"leading zeros", "007", 7}, NumberRow{"plus sign", "+12", 12},
                      NumberRow{"minus sign", "-20", -20}, NumberRow{"largest value", "2147483647", 2147483647},
                      NumberRow{"smallest value", "-2147483648", std::numeric_limits<qint32>::min()},
                      NumberRow{"one over the largest", "2147483648", std::nullopt},
                      NumberRow{"one under the smallest", "-2147483649", std::nullopt},
                      NumberRow{"far too long", "99999999999999999999", std::nullopt},
                      NumberRow{"empty", "", std::nullopt}, NumberRow{"sign alone", "-", std::nullopt},
                      NumberRow{"two signs", "--1", std::nullopt}, NumberRow{"leading blank", " 1", std::nullopt},
                      NumberRow{"trailing blank", "1 ", std::nullopt},
                      NumberRow{"letter after digits", "1a", std::nullopt},
                      NumberRow{"decimal point", "12.5", std::nullopt},
                      NumberRow{"hexadecimal", "0x10", std::nullopt},
                      NumberRow{"digits of another script", "\xD9\xA1\xD9\xA2", std::nullopt}, // Arabic-Indic 1 2
                      NumberRow{"full-width digit", "\xEF\xBC\x91", std::nullopt}),
    RowName());

TEST(WholeNumber, ReadsAPartOfALongerText)
{
    const QString entry = QStringLiteral("05=-20");
    EXPECT_EQ(parseWholeNumber(QStringView(entry).left(2)), 5);
    EXPECT_EQ(parseWholeNumber(QStringView(entry).mid(3)), -20);
}

TEST(WholeNumber, ANonNumberEndsTheCommandWithTheRuntimeMessage)
{
    EXPECT_EQ(wholeNumberOrThrow(QStringLiteral("-3")), -3);
    EXPECT_EQ(testing_support::commandErrorOf([] { wholeNumberOrThrow(QStringLiteral("12.5")); }),
              QStringLiteral("'12.5' is not a valid integer value"));
    EXPECT_EQ(notAnIntegerMessage(QString()), QStringLiteral("'' is not a valid integer value"));
}
