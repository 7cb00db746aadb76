#pragma once
// The fourteen note keys: which key word plays which note, and the factory keys. A key
// word is a Windows virtual-key word (platform/VirtualKey.h); 0 is no key. Not the key
// file (KeyFile.h) and not the key boxes that edit the words.

#include "NoteCatalogue.h"

#include <QtGlobal>
#include <array>
#include <optional>

namespace tezvan {

// The key assignment numbers its slots 1..14; slot k is the note with number k - 1.
constexpr int kKeySlotCount = kNoteCount;
constexpr int noteOfSlot(int slot)
{
    return slot - 1;
}

using KeyWords = std::array<quint16, kNoteCount>; // indexed by note number

// The factory keys in note order: A S D F G H J K L, the key right of L, Q W E R.
KeyWords factoryKeyWords();

class NoteKeys {
public:
    NoteKeys() : words_(factoryKeyWords()) {}

    quint16 key(int note) const { return words_[std::size_t(note)]; }
    void setKey(int note, quint16 word) { words_[std::size_t(note)] = word; }
    const KeyWords& words() const { return words_; }
    void setWords(const KeyWords& words) { words_ = words; }

    // The note that word plays; nothing for 0 or a word no note has. When two notes share
    // a word, the lower note plays: nothing stops the user giving one key twice.
    std::optional<int> noteOf(quint16 word) const;

private:
    KeyWords words_;
};

} // namespace tezvan
