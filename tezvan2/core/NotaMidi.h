#pragma once
// The note grid as a MIDI file ("tezvan2 --export-midi IN.nota OUT.mid", and the grid the
// window holds saved as one): every column's note where "DİNLE" sounds it, as --render hears
// it, at its sample's pitch, until the sample ends or the next sample starts ("es" sends
// nothing, so the note before rings on).

#include <QByteArray>
#include <QString>

namespace tezvan2 {

class NoteGrid;
class NotaPlayback;

// The Standard MIDI File of a playback of grid that has run through.
QByteArray playbackAsMidi(NotaPlayback& played, const NoteGrid& grid);

// Writes the grid as a MIDI file; false, with the message for the failure in error (the
// empty-grid notice, a duration that is no number, or the note file's save messages).
bool saveGridAsMidi(const NoteGrid& grid, const QString& path, QString* error);

// The command, with --render's messages and results.
int exportMidiCommand(const QString& in, const QString& out);

} // namespace tezvan2
