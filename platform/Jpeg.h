#pragma once
// JPEG pictures through libjpeg: the windows decode their pictures here, and the artwork
// tool encodes them. Not a general image loader: JPEG only, no Qt image plugins.

#include <QByteArray>
#include <QImage>

namespace platform {

// The picture in a JPEG file image (grey or colour), as an RGB32 image. Null when the
// data is empty, damaged or cut short, or claims more than 8192 pixels on a side or 16
// million in all; a damaged file never ends the program.
QImage decodeJpeg(const QByteArray& jpeg);

// The picture as a baseline colour JPEG of the given quality (1..100). Empty for a null image.
QByteArray encodeJpeg(const QImage& image, int quality);

} // namespace platform
