// JPEG pictures through libjpeg: what the encoder writes decodes to its colours.
#include "platform/Jpeg.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

namespace {

bool near(QRgb actual, QColor expected, int tolerance)
{
    return qAbs(qRed(actual) - expected.red()) <= tolerance && qAbs(qGreen(actual) - expected.green()) <= tolerance
        && qAbs(qBlue(actual) - expected.blue()) <= tolerance;
}

TEST(Jpeg, encodedPictureDecodesToItsColours)
{
    QImage image(40, 24, QImage::Format_RGB32);
    image.fill(QColor(150, 84, 40));
    for (int y = 0; y < 24; ++y)
        for (int x = 20; x < 40; ++x)
            image.setPixel(x, y, qRgb(244, 232, 206));
    const QImage back = platform::decodeJpeg(platform::encodeJpeg(image, 92));
    ASSERT_EQ(back.size(), image.size());
    EXPECT_TRUE(near(back.pixel(5, 12), QColor(150, 84, 40), 6));
    EXPECT_TRUE(near(back.pixel(34, 12), QColor(244, 232, 206), 6));
    EXPECT_TRUE(platform::encodeJpeg(QImage(), 90).isEmpty());
}

} // namespace
