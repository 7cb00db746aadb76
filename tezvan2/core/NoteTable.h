#pragma once
// The 22 notes of tezvan2 and the 23 keys that play them: for each note its key codes,
// its picture, the grid name and sample each trigger uses, and the name shown; and the
// 43 pictures of the instrument's face, where each lies and what it is. The one home of
// these facts: the main window, the artwork tool and the sample tool all read them here.
// Only the table and its lookups; sounding a note is SampleFiles' job.

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <optional>
#include <string_view>
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
    QString faceName;              // written on the note's picture ("La(Akor)"); most often displayName
    QString keyLegend;             // the key's letter, written on the picture under faceName ("S")
    QString keySample;             // sample file the key starts ("LAAK.wbs")
    QString pictureSample;         // sample file the picture starts ("laakor.wbs")
    double keyHz = 0;              // the pitch keySample sounds: its fundamental (a chord's or
    double pictureHz = 0;          // figure's root, the tonic it ends on); pictureSample's
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

// The pitch a sample file the table names sounds (compared without regard to case); the
// sample tool tunes the file to it and MIDI sends it. Nothing for any other name.
std::optional<double> samplePitchHz(const QString& sampleFile);

// A koma of the Turkish system: a ninth of a whole tone, 1200/53 cents.
constexpr double kKomaCents = 1200.0 / 53.0;

std::optional<NoteTrigger> keyTrigger(quint16 keyWord);
std::optional<NoteTrigger> pictureTrigger(const QString& objectName);

// The pictures of the face: where each lies, what it is, its hint. The artwork tool draws
// them to these places and sizes; what a click does is the window's business.
enum class PictureKind {
    Artwork, // title, header, bottom panel: does nothing
    Filler,  // wood between the keys: does nothing
    Note,    // a note key: sounds its note (its row in noteTable() has the rest)
    Command, // opens, plays, saves, clears, adds, removes, finishes, links, closes
};

struct PictureSpot {
    int number; // the N of ImageN
    int x, y, width, height;
    PictureKind kind;
    std::string_view hint; // UTF-8, for a picture that is not a note; a note's hint is its row's
};

inline constexpr std::array<PictureSpot, 43> kPictures{{
    // Title band
    {38, 0, 0, 542, 32, PictureKind::Artwork, ""},
    {37, 542, 0, 32, 32, PictureKind::Command, "Wintezvan Hakkında"},
    {1, 574, 0, 31, 32, PictureKind::Command, "Kapat"},
    // Header
    {25, 0, 32, 605, 132, PictureKind::Artwork, ""},
    // Upper key row
    {2, 0, 164, 56, 44, PictureKind::Filler, ""},
    {3, 56, 164, 36, 44, PictureKind::Note, ""},
    {4, 92, 164, 34, 44, PictureKind::Note, ""},
    {6, 126, 164, 42, 44, PictureKind::Note, ""},
    {5, 168, 164, 42, 44, PictureKind::Note, ""},
    {7, 210, 164, 40, 44, PictureKind::Note, ""},
    {8, 250, 164, 39, 44, PictureKind::Note, ""},
    {17, 289, 164, 40, 44, PictureKind::Note, ""},
    {16, 329, 164, 38, 44, PictureKind::Note, ""},
    {15, 367, 164, 36, 44, PictureKind::Note, ""},
    {14, 403, 164, 92, 44, PictureKind::Filler, ""},
    {13, 495, 164, 110, 44, PictureKind::Command, ""},
    // Middle key row
    {24, 0, 208, 67, 48, PictureKind::Filler, ""},
    {23, 67, 208, 35, 48, PictureKind::Note, ""},
    {22, 102, 208, 37, 48, PictureKind::Note, ""},
    {21, 139, 208, 39, 48, PictureKind::Note, ""},
    {20, 178, 208, 39, 48, PictureKind::Note, ""},
    {11, 217, 208, 39, 48, PictureKind::Note, ""},
    {10, 256, 208, 38, 48, PictureKind::Note, ""},
    {9, 294, 208, 39, 48, PictureKind::Note, ""},
    {19, 333, 208, 34, 48, PictureKind::Note, ""},
    {18, 367, 208, 43, 48, PictureKind::Note, ""},
    {12, 410, 208, 37, 48, PictureKind::Note, ""},
    {36, 447, 208, 55, 48, PictureKind::Filler, ""},
    {35, 501, 208, 103, 48, PictureKind::Command, ""},
    // Lower key row
    {34, 0, 256, 85, 41, PictureKind::Filler, ""},
    {33, 85, 256, 33, 41, PictureKind::Note, ""},
    {32, 118, 256, 45, 41, PictureKind::Note, ""},
    {31, 163, 256, 38, 41, PictureKind::Note, ""},
    {30, 201, 256, 304, 41, PictureKind::Filler, ""},
    {29, 505, 256, 100, 41, PictureKind::Command, ""},
    // Clear band
    {28, 0, 297, 499, 35, PictureKind::Filler, ""},
    {27, 499, 297, 106, 35, PictureKind::Command, ""},
    // Grid commands band
    {26, 0, 332, 253, 34, PictureKind::Filler, ""},
    {39, 253, 332, 32, 34, PictureKind::Command, "Boş nota aç."},
    {40, 285, 332, 45, 34, PictureKind::Command, "Sonran bir tane nota sil."},
    {41, 330, 332, 57, 34, PictureKind::Command, "Parçayı bitir."},
    {42, 387, 332, 218, 34, PictureKind::Command, ""},
    // Bottom panel
    {43, 0, 366, 605, 74, PictureKind::Artwork, ""},
}};

// The object name of a picture ("Image3").
QString pictureName(const PictureSpot& spot);
// A picture's tooltip: a note's hint from its row, any other picture's own; empty for none.
QString pictureHint(const PictureSpot& spot);

} // namespace tezvan2
