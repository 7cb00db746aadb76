#pragma once
// A take as a Standard MIDI File: format 0, one track, a millisecond tick (1000 ticks a
// quarter note at 60 beats a minute), its name, a General MIDI program, the bend range, then
// every note with its bend before it and its note-off. Only the file's bytes and writing
// them; which notes a take holds, and when, is the program's business.

#include "MidiPitch.h"
#include "OfflineVoice.h"
#include "WholeFile.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>
#include <vector>

namespace platform {

constexpr int kMidiTicksPerQuarter = 1000;
constexpr int kMidiMicrosecondsPerQuarter = 1'000'000; // so a tick is a millisecond

// A plucked string of steel, as the saz's courses are; General MIDI numbers it 26.
constexpr int kMidiPluckedStringProgram = 26; // "Acoustic Guitar (steel)"

struct MidiNote {
    qint64 startMs; // from the take's start
    qint64 endMs;   // its note-off; not before startMs
    MidiPitch pitch;
};

struct MidiTake {
    QString trackName;
    int generalMidiProgram = kMidiPluckedStringProgram;
    std::vector<MidiNote> notes; // in the order they start
};

// The notes of what an offline voice sounded, each from its start to where it stopped sounding,
// at the pitch pitchOf gives its sound; a sound with none (not one of the program's notes)
// sends nothing, though it still ended the note before it.
std::vector<MidiNote> midiNotesOf(const std::vector<OfflineVoice::Sounding>& soundings,
                                  const std::function<std::optional<double>(const SoundPtr&)>& pitchOf);

QByteArray standardMidiFile(const MidiTake& take);

// The file dialogs' second file type, after the program's own: a take saved as a MIDI file.
inline QString midiFileFilter()
{
    return QString::fromUtf8("MIDI Dosyası (*.mid)|*.mid");
}
inline bool isMidiFileName(const QString& path)
{
    return path.endsWith(QStringLiteral(".mid"), Qt::CaseInsensitive);
}

inline WholeFileResult writeMidiFile(const QString& path, const MidiTake& take)
{
    return writeWholeFile(path, standardMidiFile(take));
}

} // namespace platform
