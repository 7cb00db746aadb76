// JPEG pictures through libjpeg: what the encoder writes decodes to its colours.
#include "platform/Jpeg.h"
#include "support/NearColour.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

namespace {

using testing_support::nearColour;

TEST(Jpeg, encodedPictureDecodesToItsColours)
{
    QImage image(40, 24, QImage::Format_RGB32);
    image.fill(QColor(150, 84, 40));
    for (int y = 0; y < 24; ++y)
        for (int x = 20; x < 40; ++x)
            image.setPixel(x, y, qRgb(244, 232, 206));
    const QImage back = platform::decodeJpeg(platform::encodeJpeg(image, 92));
    ASSERT_EQ(back.size(), image.size());
    EXPECT_TRUE(nearColour(back.pixel(5, 12), QColor(150, 84, 40), 6));
    EXPECT_TRUE(nearColour(back.pixel(34, 12), QColor(244, 232, 206), 6));
    EXPECT_TRUE(platform::encodeJpeg(QImage(), 90).isEmpty());
}

} // namespace
