#include "WaveImage.h"

#include "platform/PreparedSound.h"

#include <gtest/gtest.h>

using namespace testing_support;
using platform::prepareSound;

namespace {

using Frames = std::vector<qint16>;

// Every step-th prepared frame, from frame 0: for a source at 44100/step Hz these are the
// source's own samples.
Frames everyNth(const platform::SoundPtr& s, std::size_t step)
{
    Frames out;
    for (std::size_t i = 0; i < s->frames().size(); i += step)
        out.push_back(s->frames()[i]);
    return out;
}

QByteArray pcm8(const std::vector<quint8>& samples)
{
    return QByteArray(reinterpret_cast<const char*>(samples.data()), qsizetype(samples.size()));
}

const Frames kSource = {0, 1000, -1000, 32767, -32768, 12345, -7, 3};

struct GoodRow {
    const char* name;
    QByteArray image;
    std::size_t step;      // prepared frames per source frame
    Frames expected;       // every step-th prepared frame
};

class PrepareSoundGood : public ::testing::TestWithParam<GoodRow> {};

TEST_P(PrepareSoundGood, GivesBackTheSourceAtTheOutputRate)
{
    const GoodRow& row = GetParam();
    const platform::SoundPtr s = prepareSound(row.image);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->frames().size(), row.expected.size() * row.step);
    EXPECT_EQ(everyNth(s, row.step), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PrepareSoundGood,
    ::testing::Values(
        GoodRow{"mono_16_bit_11025_every_4th_frame_is_the_source", wave16(1, 11025, kSource), 4, kSource},
        GoodRow{"mono_16_bit_22050", wave16(1, 22050, kSource), 2, kSource},
        GoodRow{"mono_16_bit_44100_unchanged", wave16(1, 44100, kSource), 1, kSource},
        GoodRow{"stereo_16_bit_averages_the_channels",
                wave16(2, 11025, {1000, 3000, -2000, -4000, 7, 7}), 4, {2000, -3000, 7}},
        GoodRow{"mono_8_bit_128_is_silence",
                riff(chunk("fmt ", fmtBody(1, 11025, 8)) + chunk("data", pcm8({128, 255, 0, 129}))), 4,
                {0, 32512, -32768, 256}},
        GoodRow{"stereo_8_bit",
                riff(chunk("fmt ", fmtBody(2, 44100, 8)) + chunk("data", pcm8({128, 130, 0, 255}))), 1,
                {256, -128}},
        GoodRow{"chunks_before_and_after_data_are_skipped",
                riff(chunk("LIST", "INFOISFT\x04\0\0\0abc") + chunk("fmt ", fmtBody(1, 11025, 16))
                     + chunk("data", pcm16(kSource)) + chunk("fact", le32(8))),
                4, kSource},
        GoodRow{"odd_sized_chunk_is_padded_to_even",
                riff(chunk("fmt ", fmtBody(1, 11025, 16)) + chunk("junk", "abc") + chunk("data", pcm16(kSource))),
                4, kSource},
        GoodRow{"data_before_fmt", riff(chunk("data", pcm16(kSource)) + chunk("fmt ", fmtBody(1, 11025, 16))),
                4, kSource},
        GoodRow{"data_chunk_cut_short_plays_what_is_there",
                riff(chunk("fmt ", fmtBody(1, 11025, 16)) + QByteArray("data") + le32(1000) + pcm16({5, 6, 7})),
                4, {5, 6, 7}}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadRow {
    const char* name;
    QByteArray image;
};

class PrepareSoundBad : public ::testing::TestWithParam<BadRow> {};

TEST_P(PrepareSoundBad, IsRefused)
{
    EXPECT_EQ(prepareSound(GetParam().image), nullptr);
}

QByteArray withTag(QByteArray image, int at, const char* tag)
{
    image.replace(at, 4, tag);
    return image;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PrepareSoundBad,
    ::testing::Values(
        BadRow{"empty", {}},
        BadRow{"one_byte", "R"},
        BadRow{"header_only_riff_wave_no_chunks", riff({})},
        BadRow{"wrong_riff_tag", withTag(wave16(1, 11025, kSource), 0, "RIFX")},
        BadRow{"wrong_wave_tag", withTag(wave16(1, 11025, kSource), 8, "AVI ")},
        BadRow{"no_fmt_chunk", riff(chunk("data", pcm16(kSource)))},
        BadRow{"no_data_chunk", riff(chunk("fmt ", fmtBody(1, 11025, 16)))},
        BadRow{"fmt_chunk_cut_short", riff(chunk("fmt ", fmtBody(1, 11025, 16).left(10)))},
        BadRow{"not_pcm_float", riff(chunk("fmt ", fmtBody(1, 11025, 32, 3)) + chunk("data", pcm16(kSource)))},
        BadRow{"not_pcm_adpcm", riff(chunk("fmt ", fmtBody(1, 11025, 4, 2)) + chunk("data", pcm16(kSource)))},
        BadRow{"24_bit", riff(chunk("fmt ", fmtBody(1, 11025, 24)) + chunk("data", pcm16(kSource)))},
        BadRow{"no_channels", riff(chunk("fmt ", fmtBody(0, 11025, 16)) + chunk("data", pcm16(kSource)))},
        BadRow{"three_channels", riff(chunk("fmt ", fmtBody(3, 11025, 16)) + chunk("data", pcm16(kSource)))},
        BadRow{"rate_zero", riff(chunk("fmt ", fmtBody(1, 0, 16)) + chunk("data", pcm16(kSource)))},
        // 20,000 frames at 1 Hz would be 882 million output frames.
        BadRow{"rate_so_low_it_would_last_hours",
               riff(chunk("fmt ", fmtBody(1, 1, 16)) + chunk("data", pcm16(Frames(20000, 1))))}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
