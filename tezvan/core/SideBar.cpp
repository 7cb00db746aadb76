#include "SideBar.h"

#include <cmath>

namespace tezvan::sidebar {

int titleLeft(int textHeight)
{
    // std::nearbyint rounds halves to the even integer in the default rounding mode.
    return int(std::nearbyint((kWidth - textHeight) / 2.0 - 0.5)) - 1;
}

} // namespace tezvan::sidebar
