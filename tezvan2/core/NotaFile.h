#pragma once
// The ".nota" note file: 12-byte records (name length, five name bytes, duration
// length, five duration bytes), one per grid column plus one for the first hidden
// column. Text is single-byte Windows-1254. Saves are atomic; errors throw
// platform::CommandError with the file error's message.

#include <QByteArray>
#include <QString>
#include <vector>

namespace tezvan2 {

class NoteGrid;

namespace nota {

constexpr int kRecordSize = 12;
constexpr int kFieldSize = 5;

QString filter();        // "Wintezvan Nota Dosyası (*.nota)|*.nota"
QString defaultSuffix(); // "nota"

struct CutCell {
    int column;
    int row; // NoteGrid::kNameRow or kDurationRow
    QString text;
};

// Cells that a save would cut to five characters (in the columns it writes).
std::vector<CutCell> cellsThatWouldBeCut(const NoteGrid& grid);

// Columns 0..count of the grid as records; long cells cut to five characters.
QByteArray encode(const NoteGrid& grid);
// Loads all whole records but the last into the grid: column i gets record i and the
// count becomes records - 1. Fewer than two records leave the grid as it was. A length
// byte above 5 reads 5 characters; a trailing partial record is ignored.
void decodeInto(const QByteArray& bytes, NoteGrid& grid);

enum class LongCells { Refuse, Cut };

// Writes the grid atomically (the file there before stays whole when writing fails);
// a writable file in a folder where no new file can be made is written in place.
// With LongCells::Refuse a grid that has cells to cut is not written and throws.
void save(const QString& path, const NoteGrid& grid, LongCells longCells);
// Writes bytes as save writes a note file, with its messages for a failure: any other file
// of the program's (a MIDI file) is saved the same way.
void writeBytes(const QString& path, const QByteArray& bytes);

// Reads a file without asking for write access. A missing file throws "File not
// found" and creates nothing.
void open(const QString& path, NoteGrid& grid);

} // namespace nota
} // namespace tezvan2
