#pragma once
// The picture of tezvan's programmer's window (224 x 223): a saz lying across a night-blue
// field with a brass sun. Not used by the program itself, which loads the JPEG written once.

#include <QColor>
#include <QImage>
#include <QPoint>

namespace artwork {

// The sun behind the saz: a solid disc, so a decoded picture can be checked against a
// known colour at a known place.
inline const QColor kProgrammerSun(238, 186, 64);
constexpr QPoint kProgrammerSunCentre(52, 50);

QImage drawProgrammerPicture();

} // namespace artwork
