#pragma once
// The two programs' icons for the desktop: a saz on a rounded tile, lacquer red for tezvan
// and walnut with a row of keys for tezvan2, drawn at any pixel size.

#include <QImage>

namespace artwork {

enum class Program { Tezvan, Tezvan2 };

// The icon at size x size pixels, transparent around the tile.
QImage drawProgramIcon(Program program, int size);

} // namespace artwork
