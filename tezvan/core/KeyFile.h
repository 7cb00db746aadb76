#pragma once
// "Tuslar.ini", the file of the note keys: fourteen lines, line k the key word of slot k in
// decimal, CR LF after every line. Lines may end in CR LF, LF or CR; a break after the last
// line adds no line. Also where the file lives. Not the keys in force (NoteKeys.h).

#include "NoteKeys.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace tezvan {

struct KeyFileReading {
    enum class Outcome {
        Factory, // no file, or not fourteen lines: the factory keys hold; the file stays as it is
        Keys,    // fourteen key words, in values
        Error,   // a line that is no key word, or a file that cannot be read (message)
    };
    Outcome outcome = Outcome::Factory;
    QList<quint16> values; // slot order; with Error, the slots before the bad line
    QString message;
    int badLine = 0; // with Error, the line (1..14) that is no key word; 0 when the file was unreadable
};

// A line is a key word when it is a whole number from 0 to 65535 (no blanks, an optional
// sign, as the runtime reads numbers); "'x' is not a valid integer value" otherwise, or
// "'x' is not a valid key value" for a whole number outside that range.
KeyFileReading parseKeyFile(const QByteArray& bytes);

// The file at path; a missing path or a folder is Factory, an unreadable file an Error
// ("Cannot open file <path>").
KeyFileReading readKeyFile(const QString& path);

QByteArray keyFileBytes(const KeyWords& words); // in slot order, CR LF after each

// The error box's text for a reading that failed: the file, the line at fault and the
// runtime's message ("... 'x' is not a valid integer value").
QString keyFileErrorText(const QString& path, const KeyFileReading& reading);

// Writes the file atomically (its folder made when missing): a failed save leaves the
// earlier file as it was. Throws platform::CommandError naming the file.
void writeKeyFile(const QString& path, const KeyWords& words);

// Where the file lives: next to the program when its folder takes new files (a portable
// copy), otherwise in the user's configuration folder; one path for reading and writing.
// Where that is the user's folder and it holds no file yet, the copy's own file next to
// the program is read, so that its keys carry over until the user saves.
struct KeyFilePlace {
    QString path;          // written, and read once a file is there
    QString besideProgram; // read while path holds no file; empty when path is that file
    QString pathToRead() const;
};
KeyFilePlace keyFilePlace(const QString& programFolder, const QString& configFolder);

// The place for this program: both folders are absolute, so the working directory never
// matters.
KeyFilePlace keyFilePlace();

} // namespace tezvan
