#pragma once
// The icons of tezvan's context menu: 21 small drawings, one per icon index, drawn on a
// 16-unit grid so that they are crisp at 16 x 16 and sharp at any whole multiple.

#include <QImage>

namespace artwork {

constexpr int kMenuIconCount = 21;
constexpr int kMenuIconSize = 16;

// Icon index drawn at scale x 16 pixels square, on a transparent ground.
QImage drawMenuIcon(int index, int scale);

// All icons side by side in index order: a strip 21 icons wide and one icon high.
QImage drawMenuIconStrip(int scale);

} // namespace artwork
