#pragma once
// The artwork of tezvan2's main window: the whole window drawn as one scene and each
// picture cut from it. Not used by the program itself, which loads the JPEGs written once.

#include <QColor>
#include <QImage>
#include <QPoint>

namespace artwork {

// The red lamp beside the recording switch: a solid disc, so a decoded picture can be
// checked against a known colour at a known place.
inline const QColor kRecordLamp(206, 36, 30);
constexpr QPoint kRecordLampCentre(75, 359);

QImage drawScene();

// Picture ImageN of the window at its exact size.
QImage cutPicture(const QImage& scene, int number);

} // namespace artwork
