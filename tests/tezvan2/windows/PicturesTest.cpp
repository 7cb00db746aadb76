// The window's pictures as libjpeg decodes them from the program's resources, and the
// decoder's answer to damaged data.

#include "platform/Jpeg.h"
#include "tezvan2/core/NoteTable.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray resource(int number)
{
    QFile f(QStringLiteral(":/tezvan2/Image%1.jpg").arg(number));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool near(QRgb actual, QColor expected, int tolerance)
{
    return qAbs(qRed(actual) - expected.red()) <= tolerance && qAbs(qGreen(actual) - expected.green()) <= tolerance
        && qAbs(qBlue(actual) - expected.blue()) <= tolerance;
}

TEST(Pictures, everyPictureDecodesToTheSizeOfItsPlace)
{
    for (const tezvan2::PictureSpot& spot : tezvan2::kPictures) {
        SCOPED_TRACE(spot.number);
        const QImage image = platform::decodeJpeg(resource(spot.number));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(spot.width, spot.height));
    }
}

// The artwork tool draws these in solid colours at known places.
TEST(Pictures, knownPixelsKeepTheirColours)
{
    struct Row {
        const char* what;
        int picture;
        QPoint at;
        QColor colour;
    };
    const Row rows[] = {
        {"the red lamp beside the recording switch", 26, {75, 27}, QColor(206, 36, 30)},
        {"the black display behind the note's name", 25, {560, 50}, QColor(0, 0, 0)},
        {"the black well behind the recording switch", 26, {200, 24}, QColor(0, 0, 0)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const QImage image = platform::decodeJpeg(resource(row.picture));
        ASSERT_FALSE(image.isNull());
        EXPECT_TRUE(near(image.pixel(row.at), row.colour, 12)) << std::hex << image.pixel(row.at);
    }
}

TEST(Pictures, damagedDataDecodesToNothing)
{
    const QByteArray good = resource(25);
    ASSERT_GT(good.size(), 1000);
    QByteArray scrambledHeader = good;
    for (int i = 2; i < 200; ++i)
        scrambledHeader[i] = char(0x55);
    struct Row {
        const char* what;
        QByteArray data;
    };
    const Row rows[] = {
        {"empty", QByteArray()},
        {"one byte", QByteArray(1, char(0xFF))},
        {"only the start marker", good.left(2)},
        {"cut in half", good.left(good.size() / 2)},
        {"scrambled header", scrambledHeader},
        {"not a JPEG at all", QByteArray("RIFF....WAVEfmt ")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_TRUE(platform::decodeJpeg(row.data).isNull());
    }
}

TEST(Pictures, encodedPictureDecodesToItsColours)
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
