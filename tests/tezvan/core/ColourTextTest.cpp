// Colours as the settings write and read them: names where a colour has one, "$" and
// eight hex digits otherwise; names in any letter case, decimal and "$" hex read back.
#include "tezvan/core/ColourText.h"
#include "support/QStringPrinter.h"
#include "support/RowName.h"

#include "platform/CommandError.h"

#include <gtest/gtest.h>

namespace {

using testing_support::RowName;

struct RoundTripRow : testing_support::NamedRow {
    quint32 value;
    const char* text;
};

class ColourTextRoundTrip : public ::testing::TestWithParam<RoundTripRow> {};

TEST_P(ColourTextRoundTrip, WritesTheTextAndReadsTheValueBack)
{
    const RoundTripRow& r = GetParam();
    EXPECT_EQ(tezvan::colourText(r.value), QString::fromLatin1(r.text));
    EXPECT_EQ(tezvan::colourOfText(QString::fromLatin1(r.text)), r.value);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ColourTextRoundTrip,
    ::testing::Values(RoundTripRow{"the window's colour as hex", 16749886, "$00FF953E"},
                      RoundTripRow{"pure red by its name", 255, "clRed"},
                      RoundTripRow{"black by its name", 0, "clBlack"},
                      RoundTripRow{"the panel's colour as hex", 12767697, "$00C2D1D1"},
                      RoundTripRow{"a system colour by its name", 2147483648u + 15, "clBtnFace"},
                      RoundTripRow{"the last system colour", 2147483648u + 24, "clInfoBk"},
                      RoundTripRow{"a system colour without a name as hex", 2147483648u + 30, "$8000001E"},
                      RoundTripRow{"no colour", 536870911, "clNone"}),
    RowName());

struct ReadRow : testing_support::NamedRow {
    const char* text;
    std::optional<quint32> value;
};

class ColourTextRead : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ColourTextRead, AcceptsNamesAndNumbersOnly)
{
    const ReadRow& r = GetParam();
    const QString text = QString::fromUtf8(r.text);
    EXPECT_EQ(tezvan::colourOfText(text), r.value);
    if (r.value) {
        EXPECT_EQ(tezvan::colourOfTextOrThrow(text), *r.value);
    } else {
        try {
            tezvan::colourOfTextOrThrow(text);
            ADD_FAILURE() << "no error";
        } catch (const platform::CommandError& e) {
            EXPECT_EQ(e.message(), QLatin1Char('\'') + text + QStringLiteral("' is not a valid integer value"));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ColourTextRead,
    ::testing::Values(ReadRow{"a name in capitals", "CLRED", 255u},
                      ReadRow{"a system colour's name in small letters", "clbtnface", 2147483648u + 15},
                      ReadRow{"decimal", "16744448", 16744448u}, ReadRow{"short hex", "$ff", 255u},
                      ReadRow{"a negative decimal keeps its 32 bits", "-1", 0xFFFFFFFFu},
                      ReadRow{"empty", "", std::nullopt}, ReadRow{"a word", "kırmızı", std::nullopt},
                      ReadRow{"a dollar alone", "$", std::nullopt},
                      ReadRow{"hex with a wrong digit", "$12G4", std::nullopt},
                      ReadRow{"hex longer than 32 bits", "$123456789", std::nullopt},
                      ReadRow{"a number with a blank", "255 ", std::nullopt},
                      ReadRow{"decimal beyond 32 bits", "99999999999", std::nullopt}),
    RowName());

} // namespace
