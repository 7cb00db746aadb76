#pragma once
// The 22 notes of tezvan2 and the 23 keys that play them: for each note its key codes,
// its picture, the grid name and sample each trigger uses, and the name shown.
// Only the table and its lookups; sounding a note is SampleFiles' job.

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>
#include <vector>

namespace tezvan2 {

constexpr int kNoteCount = 22;

// Keypad + and - add a column to the note grid and remove its last one.
constexpr quint16 kAddColumnKey = 107;
constexpr quint16 kRemoveColumnKey = 109;

struct NoteRow {
    std::vector<quint16> keyCodes; // Windows virtual-key codes, most often one
    QString picture;               // object name of the note picture ("Image3")
    QString hint;                  // the picture's tooltip
    QString keyGridName;           // what a key writes into the grid ("LAAK")
    QString pictureGridName;       // what the picture writes ("LAAKOR"); most often the same
    QString displayName;           // shown in the display label ("La")
    QString keySample;             // sample file the key starts ("LAAK.wbs")
    QString pictureSample;         // sample file the picture starts ("laakor.wbs")
};

// What one trigger (a key or a picture) does: sound a file, show a name, record a name.
struct NoteTrigger {
    QString sampleFile;
    QString displayName;
    QString gridName;
};

// All notes, in the order the key dispatch tests them.
const std::vector<NoteRow>& noteTable();

// What a key does, by its key code: a note, a grid column command, or nothing.
enum class KeyCommand { None, Note, AddColumn, RemoveColumn };

// The modifier bits (0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt) of a key word are ignored.
KeyCommand keyCommand(quint16 keyWord);

// The row a key plays; null for keys that play nothing.
const NoteRow* noteForKey(quint16 keyWord);
// The row a picture plays; null for any other object name.
const NoteRow* noteForPicture(const QString& objectName);

// The 23 sample files the table names, each once (compared without regard to case).
QStringList sampleFiles();

std::optional<NoteTrigger> keyTrigger(quint16 keyWord);
std::optional<NoteTrigger> pictureTrigger(const QString& objectName);

} // namespace tezvan2
