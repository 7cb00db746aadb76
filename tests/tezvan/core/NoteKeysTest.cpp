// Which note a key word plays: the factory keys, a reassigned key, no key, one key twice.
#include "tezvan/core/NoteKeys.h"

#include "support/RowName.h"

#include <gtest/gtest.h>

using namespace tezvan;
using testing_support::RowName;

namespace {

constexpr quint16 kCtrl = 0x4000;

struct KeyRow : testing_support::NamedRow {
    std::vector<std::pair<int, quint16>> assigned; // note, word, over the factory keys
    quint16 pressed;
    std::optional<int> plays;
};

class NoteKeysPlay : public ::testing::TestWithParam<KeyRow> {};

TEST_P(NoteKeysPlay, TheNoteOfAKeyWord)
{
    NoteKeys keys;
    for (const auto& [note, word] : GetParam().assigned)
        keys.setKey(note, word);
    EXPECT_EQ(keys.noteOf(GetParam().pressed), GetParam().plays);
}

INSTANTIATE_TEST_SUITE_P(Rows, NoteKeysPlay, ::testing::Values(
    KeyRow{"factory A", {}, 'A', 0},
    KeyRow{"factory key right of L", {}, 186, 9},
    KeyRow{"factory R", {}, 'R', 13},
    KeyRow{"Ctrl+A is not A", {}, kCtrl | 'A', std::nullopt},
    KeyRow{"reassigned Ctrl+A plays the first note", {{0, kCtrl | 'A'}}, kCtrl | 'A', 0},
    KeyRow{"A no longer plays after Ctrl+A took its place", {{0, kCtrl | 'A'}}, 'A', std::nullopt},
    KeyRow{"a cleared note answers to no word, not even 0", {{2, 0}}, 0, std::nullopt},
    KeyRow{"one key twice: the lower note plays", {{5, 'Q'}}, 'Q', 5}),
    RowName());

} // namespace
