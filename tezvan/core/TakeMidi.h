#pragma once
// A note list as a MIDI file (`tezvan --export-midi IN.tnl OUT.mid`, and the list a window
// holds saved as one): every note where playback sounds it, as --render hears it, at its
// note's pitch, until its sample ends or the next note starts.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tezvan {

// The Standard MIDI File of a playback of entries with the sample bank stored in storedBank
// (the built-in one when omitted). Throws SampleBankError for a broken bank.
QByteArray takeAsMidi(const QStringList& entries, const QByteArray& storedBank);
QByteArray takeAsMidi(const QStringList& entries);

// Writes the entries a window holds as a MIDI file; false, with the program's message for
// the failure in error, when it cannot be written.
bool saveNoteListAsMidi(const QStringList& entries, const QString& path, QString* error);

// The command: reads in, writes out as a MIDI file, with renderCommand's messages and results.
int exportMidiCommand(const QString& in, const QString& out);

} // namespace tezvan
