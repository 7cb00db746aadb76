#pragma once
// The fourteen notes of tezvan: code, action, caption, display name, button and factory
// key. Fixed for the life of the program; only the keys may be reassigned elsewhere.

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

namespace tezvan {

constexpr int kNoteCount = 14;

struct Note {
    int number;          // 0..13: the index of the note's sample too
    const char* action;  // object name of the note action ("DO_K")
    const char* caption; // UTF-8 caption ("Mİ")
    quint16 factoryKey;  // virtual-key word

    int tag() const { return number + 1; }
    QString code() const;        // "00".."13"
    QString captionText() const; // the caption as a QString
    QString displayName() const; // caption + " (" + code + ")"
    QString buttonName() const;  // "N0".."N13"
};

const std::array<Note, kNoteCount>& noteCatalogue();

// Two-digit note code of a note number ("07").
QString noteCode(int number);

// The note whose code is exactly text ("00".."13"); nothing otherwise.
std::optional<int> noteNumberOfCode(const QString& text);

// The display name of a note code, or nothing for text that is not a note code.
std::optional<QString> displayNameOfCode(const QString& code);

// A note entry as the recorder writes it: code, "=", the pause in decimal ("01=451").
QString noteEntryText(int number, qint64 pause);

} // namespace tezvan
