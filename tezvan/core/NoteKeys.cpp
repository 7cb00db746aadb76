#include "NoteKeys.h"

namespace tezvan {

KeyWords factoryKeyWords()
{
    KeyWords words{};
    for (const Note& note : noteCatalogue())
        words[std::size_t(note.number)] = note.factoryKey;
    return words;
}

std::optional<int> NoteKeys::noteOf(quint16 word) const
{
    if (word == 0)
        return std::nullopt;
    for (int k = 0; k < kNoteCount; ++k)
        if (words_[std::size_t(k)] == word)
            return k;
    return std::nullopt;
}

} // namespace tezvan
