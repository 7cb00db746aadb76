#pragma once
// tezvan2's named colours, the one home of each for every window that paints with it.

#include <QColor>

namespace tezvan2::look {

inline const QColor kSilver(192, 192, 192); // the about window's texts, the main window's labels
inline const QColor kLinkPressed(0, 0, 255);
inline const QColor kLinkVisited(255, 0, 0);
inline const QColor kGridPaper(252, 246, 232); // the note grid's cells: paper, not a white hole in the panel

} // namespace tezvan2::look
