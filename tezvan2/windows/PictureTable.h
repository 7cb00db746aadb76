#pragma once
// The pictures of the main window: where each lies, what it is, its hint. The window
// places its pictures from this table and the artwork tool draws them to these sizes;
// what a click does is the window's business, not this table's.

#include <array>
#include <string_view>

namespace tezvan2 {

enum class PictureKind {
    Artwork, // title, header, bottom panel: does nothing
    Filler,  // wood between the keys: does nothing
    Note,    // a note key: sounds its note
    Command, // opens, plays, saves, clears, adds, removes, finishes, links, closes
};

struct PictureSpot {
    int number; // the N of ImageN
    int x, y, width, height;
    PictureKind kind;
    std::string_view hint; // UTF-8; empty when the picture has no tooltip
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
    {3, 56, 164, 36, 44, PictureKind::Note, "FA+"},
    {4, 92, 164, 34, 44, PictureKind::Note, "SOL+"},
    {6, 126, 164, 42, 44, PictureKind::Note, "SIB5"},
    {5, 168, 164, 42, 44, PictureKind::Note, "SIB2"},
    {7, 210, 164, 40, 44, PictureKind::Note, "DO#"},
    {8, 250, 164, 39, 44, PictureKind::Note, "RE#"},
    {17, 289, 164, 40, 44, PictureKind::Note, "FA#"},
    {16, 329, 164, 38, 44, PictureKind::Note, "SIB5-"},
    {15, 367, 164, 36, 44, PictureKind::Note, "SIB2-"},
    {14, 403, 164, 92, 44, PictureKind::Filler, ""},
    {13, 495, 164, 110, 44, PictureKind::Command, ""},
    // Middle key row
    {24, 0, 208, 67, 48, PictureKind::Filler, ""},
    {23, 67, 208, 35, 48, PictureKind::Note, "LA"},
    {22, 102, 208, 37, 48, PictureKind::Note, "SI"},
    {21, 139, 208, 39, 48, PictureKind::Note, "DO"},
    {20, 178, 208, 39, 48, PictureKind::Note, "RE"},
    {11, 217, 208, 39, 48, PictureKind::Note, "MI"},
    {10, 256, 208, 38, 48, PictureKind::Note, "FA"},
    {9, 294, 208, 39, 48, PictureKind::Note, "SOL"},
    {19, 333, 208, 34, 48, PictureKind::Note, "LA-"},
    {18, 367, 208, 43, 48, PictureKind::Note, "SI-"},
    {12, 410, 208, 37, 48, PictureKind::Note, "DO-"},
    {36, 447, 208, 55, 48, PictureKind::Filler, ""},
    {35, 501, 208, 103, 48, PictureKind::Command, ""},
    // Lower key row
    {34, 0, 256, 85, 41, PictureKind::Filler, ""},
    {33, 85, 256, 33, 41, PictureKind::Note, "SOL++"},
    {32, 118, 256, 45, 41, PictureKind::Note, "LA AKOR"},
    {31, 163, 256, 38, 41, PictureKind::Note, "BITIS"},
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

} // namespace tezvan2
