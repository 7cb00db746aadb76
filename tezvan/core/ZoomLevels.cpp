#include "ZoomLevels.h"

namespace tezvan {

int scaledLength(int at100, int level)
{
    const long long n = static_cast<long long>(at100) * zoomPercent(level);
    return int(n >= 0 ? (n + 50) / 100 : -((-n + 50) / 100));
}

QRect scaledRect(const QRect& at100, int level)
{
    const int left = scaledLength(at100.left(), level);
    const int top = scaledLength(at100.top(), level);
    const int right = scaledLength(at100.left() + at100.width(), level);
    const int bottom = scaledLength(at100.top() + at100.height(), level);
    return QRect(left, top, right - left, bottom - top);
}

std::optional<ListHeights> listHeights(int level)
{
    switch (level) {
    case 80: return ListHeights{100, 291};
    case 90: return ListHeights{112, 324};
    case 0: return ListHeights{124, 360};
    case 110: return ListHeights{136, 396};
    case 125: return ListHeights{155, 450};
    case 150: return ListHeights{185, 539};
    case 200: return ListHeights{246, 718};
    default: return std::nullopt;
    }
}

} // namespace tezvan
