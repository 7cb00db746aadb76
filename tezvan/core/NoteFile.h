#pragma once
// The ".tnl" note file: one note entry per line ("01=451"), single-byte text, CR LF after
// every line. Reading keeps every line as it is (no form check); writing is atomic.
// Also the visible line of an entry and the start-up path from the command line.
// Not the list itself (NoteLists) and not the playback of entries (NoteListPlayer).

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace tezvan {

// A note entry read as numbers: characters 1-2 are the note code, 4 to the end the pause.
struct ParsedEntry {
    int code;  // any decimal integer; only 0..13 is a note
    int pause; // wait before the note in milliseconds; negative means no wait
};

// The entry as numbers, or nothing when it cannot be played as such: a line shorter than
// four characters, or a code or pause that is not a decimal integer (optional sign, digits,
// fitting in 32 bits).
std::optional<ParsedEntry> parseNoteEntry(const QString& entry);

// Splits the text of a note file into its lines: CR, LF or CR LF is one break; a NUL byte
// ends the text; a break at the very end adds no line; empty lines stay; nothing is trimmed.
// Bytes are read as Windows-1254, so a display text file opened as note file keeps İ and Ş.
QStringList splitNoteText(const QByteArray& bytes);

// Reads a whole note file. Throws platform::CommandError("Cannot open file <path>") when it
// cannot be opened or read (missing, a folder, no permission).
QStringList readNoteFile(const QString& path);

// The bytes of a note file: every entry followed by CR LF, the last one included.
QByteArray noteFileBytes(const QStringList& entries);

// Writes a note file atomically: a failed save leaves whatever was at path as it was.
// Throws platform::CommandError("Cannot create file <path>") when the file cannot be
// created, and a message naming the file for any other write error.
void writeNoteFile(const QString& path, const QStringList& entries);

// The visible line of an entry: the display name ("RE (01)") when its first two characters
// are a note code "00".."13", otherwise those characters themselves (fewer for a short line).
QString visibleLineOf(const QString& entry);
QStringList visibleLinesOf(const QStringList& entries);

// The start-up path: the command-line arguments (without the program) joined with single
// spaces, so a path with single spaces arrives whole whether or not it was quoted.
QString joinCommandLine(const QStringList& arguments);

} // namespace tezvan
