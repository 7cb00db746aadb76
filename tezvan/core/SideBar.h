#pragma once
// The context menu's side bar as numbers: the colour of each row of its gradient and the
// place of its rotated title. The menu's painter draws what these say.

#include <QtGlobal>

namespace tezvan::sidebar {

constexpr int kWidth = 20;           // every entry is drawn this much further right
constexpr int kPainted = kWidth - 2; // the columns the gradient fills
constexpr int kTextOffset = -6;      // the title starts this far below the menu's bottom
constexpr int kTitlePixels = 16;

struct Rgb {
    int red;
    int green;
    int blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr Rgb kStart{255, 255, 255}; // white at the top
constexpr Rgb kEnd{255, 0, 0};       // pure red at the bottom

// The colour of row y (0 at the top) of a menu height rows high: each channel moves from
// start toward end in proportion to y, the division truncating toward zero.
constexpr Rgb rowColour(int y, int height, Rgb start = kStart, Rgb end = kEnd)
{
    if (height <= 0)
        return start;
    const auto channel = [&](int a, int b) { return a + (b - a) * y / height; };
    return {channel(start.red, end.red), channel(start.green, end.green), channel(start.blue, end.blue)};
}

// The left edge of the rotated title whose text is textHeight pixels high: centred in
// the bar, the half rounded to the even neighbour, one pixel further left.
int titleLeft(int textHeight);

} // namespace tezvan::sidebar
