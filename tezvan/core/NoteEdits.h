#pragma once
// The editing rules on note entries: changing an entry's note, shifting and resetting the
// times, the fixed step and its captions, and reading a note from a visible line. Pure
// functions on texts; the lists themselves and their undo are NoteLists'.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tezvan {

// The fixed step of the time commands: 1..1000, 500 until set.
constexpr int kDefaultStep = 500;
constexpr int kLargestStep = 1000;

// The step an answer to the step question gives: a decimal whole number in 1..1000, and 1
// for anything else (not a number, 0, negative, above 1000).
int stepOfAnswer(const QString& answer);

// A step held outside 1..1000 is taken as 1, as an answer would be.
int validStep(int step);

// The captions of mn1, mn2, mnt1 and mnt2 for step n, in that order.
std::array<QString, 4> stepCaptions(int n);

// The time of an entry: everything from its fourth character on, read as a decimal whole
// number. A time that is no whole number ends the command (throws platform::CommandError
// naming the text).
qint32 timeOf(const QString& entry);

// A time moved by delta: kept from passing the largest 32-bit value and, when moved down,
// from going below 0.
qint64 shiftedTime(qint32 time, int delta);

// Writes time in decimal over everything after the first three characters of entry (after
// all of it when shorter), in place: a million of them are written at a time.
void writeTime(QString& entry, qint64 time);

// The entry with its time moved by delta (code and "=" stay); throws as timeOf does.
QString shiftedEntry(const QString& entry, int delta);

// The note code of a visible line or drop-down item: the two characters before its
// closing parenthesis, the last character ("LA (05)" gives "05").
QString codeOfLine(const QString& line);

// The note a visible line names: its code read as a number, when that is a note (0..13).
std::optional<int> noteOfLine(const QString& line);

// The entry with its note code replaced; everything from the "=" on stays (so the time).
QString entryWithCode(const QString& entry, const QString& code);

// A new entry for an inserted note: its code and the time 0.
QString insertedEntry(const QString& code);

} // namespace tezvan
