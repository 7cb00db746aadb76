// The fourteen notes against the table they were written from, and the code lookups.
#include "tezvan/core/NoteCatalogue.h"

#include "support/QStringPrinter.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using testing_support::RowName;

struct Expected {
    const char* code;
    const char* action;
    int tag;
    const char* display; // UTF-8
    const char* button;
    quint16 key;
};

void PrintTo(const Expected& e, std::ostream* os)
{
    *os << e.code;
}

constexpr Expected kTable[] = {
    {"00", "DO_K", 1, "DO-K (00)", "N0", 65},   {"01", "RE_", 2, "RE (01)", "N1", 83},
    {"02", "MI_1", 3, "Mİ (02)", "N2", 68},     {"03", "FA_", 4, "FA (03)", "N3", 70},
    {"04", "SOL_K", 5, "SOL-K (04)", "N4", 71}, {"05", "LA_", 6, "LA (05)", "N5", 72},
    {"06", "SI_", 7, "Sİ (06)", "N6", 74},      {"07", "SOLID", 8, "SOLID (07)", "N7", 75},
    {"08", "DO_I", 9, "DO-İ (08)", "N8", 76},   {"09", "RE_I", 10, "RE-İ (09)", "N9", 186},
    {"10", "SOL_", 11, "SOL- (10)", "N10", 81}, {"11", "MI_2", 12, "Mİ-2 (11)", "N11", 87},
    {"12", "DO_", 13, "DO-1 (12)", "N12", 69},  {"13", "BITIS", 14, "BİTİŞ (13)", "N13", 82},
};

class NoteCatalogueNotes : public ::testing::TestWithParam<Expected> {};

TEST_P(NoteCatalogueNotes, EveryNoteMatchesItsRow)
{
    const Expected& e = GetParam();
    const int k = int(std::strtol(e.code, nullptr, 10));
    const auto& notes = tezvan::noteCatalogue();
    ASSERT_LT(std::size_t(k), notes.size());
    const auto& n = notes[std::size_t(k)];
    EXPECT_EQ(n.number, k);
    EXPECT_EQ(n.code(), QLatin1String(e.code));
    EXPECT_STREQ(n.action, e.action);
    EXPECT_EQ(n.tag(), e.tag);
    EXPECT_EQ(n.displayName(), QString::fromUtf8(e.display));
    EXPECT_EQ(n.buttonName(), QLatin1String(e.button));
    EXPECT_EQ(n.factoryKey, e.key);
    EXPECT_EQ(tezvan::noteNumberOfCode(n.code()), k);
    EXPECT_EQ(tezvan::displayNameOfCode(n.code()), QString::fromUtf8(e.display));
}

INSTANTIATE_TEST_SUITE_P(Rows, NoteCatalogueNotes, ::testing::ValuesIn(kTable), [](const auto& info) {
    return "note_" + std::string(info.param.code) + "_" + std::string(info.param.action);
});

TEST(NoteCatalogue, HoldsTheFourteenNotesOfTheTable)
{
    EXPECT_EQ(tezvan::noteCatalogue().size(), std::size(kTable));
}

struct NoCodeRow : testing_support::NamedRow {
    const char* text;
};

class NoteCatalogueNoCode : public ::testing::TestWithParam<NoCodeRow> {};

TEST_P(NoteCatalogueNoCode, TextsThatAreNoNoteCode)
{
    EXPECT_FALSE(tezvan::noteNumberOfCode(QLatin1String(GetParam().text)));
    EXPECT_FALSE(tezvan::displayNameOfCode(QLatin1String(GetParam().text)));
}

INSTANTIATE_TEST_SUITE_P(Rows, NoteCatalogueNoCode,
                         ::testing::Values(NoCodeRow{"14, past the last note", "14"}, NoCodeRow{"99", "99"},
                                           NoCodeRow{"minus 1", "-1"}, NoCodeRow{"one digit", "0"},
                                           NoCodeRow{"three digits", "000"}, NoCodeRow{"a blank after", "1 "},
                                           NoCodeRow{"a blank before", " 1"}, NoCodeRow{"empty", ""},
                                           NoCodeRow{"letters", "DO"}, NoCodeRow{"plus 1", "+1"}),
                         RowName());

TEST(NoteCatalogue, EntryTextAsTheRecorderWritesIt)
{
    EXPECT_EQ(tezvan::noteEntryText(1, 451), QStringLiteral("01=451"));
    EXPECT_EQ(tezvan::noteEntryText(13, 0), QStringLiteral("13=0"));
    EXPECT_EQ(tezvan::noteEntryText(7, 2147483647), QStringLiteral("07=2147483647"));
}

} // namespace
