#pragma once
// The main window's zoom: its seven levels, the geometry of a control at a level scaled
// from its 100 % geometry (edges scaled and rounded, so sizes are differences of scaled
// edges and nothing drifts however often the level changes), and the window's list heights.

#include <QRect>
#include <array>
#include <optional>

namespace tezvan {

// Zoom level 0 stands for 100 %; the others are their percentage.
constexpr std::array<int, 7> kZoomLevels = {80, 90, 0, 110, 125, 150, 200};

constexpr int zoomPercent(int level)
{
    return level == 0 ? 100 : level;
}

// A length or an edge at a level, rounded half away from zero.
int scaledLength(int at100, int level);
QRect scaledRect(const QRect& at100, int level);

// Outer window heights (frame included) with the note list hidden and shown; nothing for a
// level that is none of the seven.
struct ListHeights {
    int collapsed;
    int expanded;
};
std::optional<ListHeights> listHeights(int level);

} // namespace tezvan
