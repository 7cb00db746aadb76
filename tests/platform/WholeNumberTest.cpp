#include "platform/WholeNumber.h"
#include "support/CommandErrorMessage.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <vector>

using namespace platform;

TEST(WholeNumber, ReadsDecimalTextOfThirtyTwoBits)
{
    struct Row {
        const char* name;
        const char* text;
        std::optional<qint32> value;
    };
    const std::vector<Row> rows = {
        {"digits", "451", 451},
        {"zero", "0", 0},
        {"leading zeros", "007", 7},
        {"plus sign", "+12", 12},
        {"minus sign", "-20", -20},
        {"largest value", "2147483647", 2147483647},
        {"smallest value", "-2147483648", std::numeric_limits<qint32>::min()},
        {"one over the largest", "2147483648", std::nullopt},
        {"one under the smallest", "-2147483649", std::nullopt},
        {"far too long", "99999999999999999999", std::nullopt},
        {"empty", "", std::nullopt},
        {"sign alone", "-", std::nullopt},
        {"two signs", "--1", std::nullopt},
        {"leading blank", " 1", std::nullopt},
        {"trailing blank", "1 ", std::nullopt},
        {"letter after digits", "1a", std::nullopt},
        {"decimal point", "12.5", std::nullopt},
        {"hexadecimal", "0x10", std::nullopt},
        {"digits of another script", "\xD9\xA1\xD9\xA2", std::nullopt}, // Arabic-Indic 1 2
        {"full-width digit", "\xEF\xBC\x91", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(parseWholeNumber(QString::fromUtf8(row.text)), row.value) << row.name;
}

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
