#pragma once
// Whether a decoded pixel is the colour drawn, within a JPEG's tolerance on each channel.

#include <QColor>
#include <QtGlobal>

namespace testing_support {

inline bool nearColour(QRgb actual, QColor expected, int tolerance)
{
    return qAbs(qRed(actual) - expected.red()) <= tolerance && qAbs(qGreen(actual) - expected.green()) <= tolerance
        && qAbs(qBlue(actual) - expected.blue()) <= tolerance;
}

} // namespace testing_support
