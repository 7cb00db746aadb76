// The window's pictures as libjpeg decodes them from the program's resources, and the
// decoder's answer to damaged pictures.

#include "platform/Jpeg.h"
#include "tezvan2/core/NoteTable.h"

#include "support/NearColour.h"
#include "support/RowName.h"

#include <QFile>
#include <gtest/gtest.h>

#include <functional>

namespace {

using testing_support::nearColour;
using testing_support::RowName;

QByteArray resource(int number)
{
    QFile f(QStringLiteral(":/tezvan2/Image%1.jpg").arg(number));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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
struct PixelRow : testing_support::NamedRow {
    int picture;
    QPoint at;
    QColor colour;
};

class PicturesKnownPixels : public ::testing::TestWithParam<PixelRow> {};

TEST_P(PicturesKnownPixels, keepTheirColours)
{
    const PixelRow& row = GetParam();
    const QImage image = platform::decodeJpeg(resource(row.picture));
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(nearColour(image.pixel(row.at), row.colour, 12)) << std::hex << image.pixel(row.at);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PicturesKnownPixels,
    ::testing::Values(PixelRow{"the red lamp beside the recording switch", 26, {75, 27}, QColor(206, 36, 30)},
                      PixelRow{"the black display behind the note's name", 25, {560, 50}, QColor(0, 0, 0)},
                      PixelRow{"the black well behind the recording switch", 26, {200, 24}, QColor(0, 0, 0)}),
    RowName());

// Damaged data made from a good picture of the program's.
struct DamageRow : testing_support::NamedRow {
    std::function<QByteArray(const QByteArray& good)> damaged;
};

class PicturesDamaged : public ::testing::TestWithParam<DamageRow> {};

TEST_P(PicturesDamaged, decodeToNothing)
{
    const QByteArray good = resource(25);
    ASSERT_GT(good.size(), 1000);
    EXPECT_TRUE(platform::decodeJpeg(GetParam().damaged(good)).isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PicturesDamaged,
    ::testing::Values(DamageRow{"empty", [](const QByteArray&) { return QByteArray(); }},
                      DamageRow{"one byte", [](const QByteArray&) { return QByteArray(1, char(0xFF)); }},
                      DamageRow{"only the start marker", [](const QByteArray& good) { return good.left(2); }},
                      DamageRow{"cut in half", [](const QByteArray& good) { return good.left(good.size() / 2); }},
                      DamageRow{"scrambled header",
                                [](const QByteArray& good) {
                                    QByteArray scrambled = good;
                                    for (int i = 2; i < 200; ++i)
                                        scrambled[i] = char(0x55);
                                    return scrambled;
                                }},
                      DamageRow{"not a JPEG at all",
                                [](const QByteArray&) { return QByteArray("RIFF....WAVEfmt "); }}),
    RowName());

} // namespace
