#include "support/WaveChunks.h"

#include "platform/PreparedSound.h"
#include "support/RowName.h"
#include "support/Tones.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace testing_support;
using platform::kOutputRate;
using platform::prepareSound;

namespace {

using Frames = std::vector<qint16>;

QByteArray pcm8(const std::vector<quint8>& samples)
{
    return QByteArray(reinterpret_cast<const char*>(samples.data()), qsizetype(samples.size()));
}

const Frames kSource = {0, 1000, -1000, 32767, -32768, 12345, -7, 3};

// At the output rate nothing is filtered: every format's decoding shows bit for bit.
struct ExactRow : testing_support::NamedRow {
    QByteArray image;
    Frames expected;
};

class PrepareSoundAtTheOutputRate : public ::testing::TestWithParam<ExactRow> {};

TEST_P(PrepareSoundAtTheOutputRate, ComesBackUnchanged)
{
    QString why = QStringLiteral("stale");
    const platform::SoundPtr s = prepareSound(GetParam().image, &why);
    ASSERT_TRUE(s) << why.toStdString();
    EXPECT_TRUE(why.isEmpty());
    EXPECT_EQ(s->frames(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PrepareSoundAtTheOutputRate,
    ::testing::Values(ExactRow{"mono_16_bit_44100_unchanged", wave16(1, 44100, kSource), kSource},
                      ExactRow{"stereo_16_bit_averages_the_channels",
                               wave16(2, 44100, {1000, 3000, -2000, -4000, 7, 7}),
                               {2000, -3000, 7}},
                      ExactRow{"mono_8_bit_128_is_silence",
                               riff(chunk("fmt ", fmtBody(1, 44100, 8)) + chunk("data", pcm8({128, 255, 0, 129}))),
                               {0, 32512, -32768, 256}},
                      ExactRow{"stereo_8_bit",
                               riff(chunk("fmt ", fmtBody(2, 44100, 8)) + chunk("data", pcm8({128, 130, 0, 255}))),
                               {256, -128}},
                      ExactRow{"24_bit_rounds_to_16",
                               riff(chunk("fmt ", fmtBody(1, 44100, 24))
                                    + chunk("data", QByteArray("\x80\x01\x00\xFF\xFF\x7F", 6))),
                               {2, 32767}},
                      ExactRow{"32_bit_float_full_scale_and_beyond_is_clipped",
                               riff(chunk("fmt ", fmtBody(1, 44100, 32, 3))
                                    + chunk("data", encoded({0.5, -1.0, 1.5, -2.0}, 3, 32))),
                               {16384, -32768, 32767, -32768}}),
    testing_support::RowName());

// Channels side by side: channel c of frame i is levels[c] times the sine.
std::vector<double> interleaved(int rate, int frames, const std::vector<double>& levels)
{
    std::vector<double> out;
    const std::vector<double> one = sine(rate, frames, 1.0);
    for (double s : one)
        for (double level : levels)
            out.push_back(s * level);
    return out;
}

// The largest difference, in 16-bit steps, between the sound and the same sine sampled
// at the output rate, 5 ms in from either end.
double worstDeviation(const Frames& f, double level)
{
    const std::vector<double> ideal = sine(kOutputRate, int(f.size()), level * 32768.0);
    double worst = 0;
    for (std::size_t i = kOutputRate / 200; i + kOutputRate / 200 < f.size(); ++i)
        worst = std::max(worst, std::abs(double(f[i]) - ideal[i]));
    return worst;
}

struct FormatRow : testing_support::NamedRow {
    QByteArray image;
    std::size_t frames; // expected at the output rate
    double level;       // of the channels' average
    double tolerance;   // in 16-bit steps
};

constexpr int kFrames11k = 2205; // 0.2 s at 11025 Hz

FormatRow plain(const char* name, int tag, int bits, int rate, const std::vector<double>& levels, double level,
                double tolerance = 4)
{
    const int frames = rate / 5;
    return {name,
            riff(chunk("fmt ", fmtBody(int(levels.size()), rate, bits, tag))
                 + chunk("data", encoded(interleaved(rate, frames, levels), tag, bits))),
            std::size_t(kOutputRate / 5), level, tolerance};
}

FormatRow extensible(const char* name, int tag, int bits, int rate, const std::vector<double>& levels, double level)
{
    FormatRow row = plain(name, tag, bits, rate, levels, level);
    row.image = riff(chunk("fmt ", extensibleFmtBody(int(levels.size()), rate, bits, tag))
                     + chunk("data", encoded(interleaved(rate, rate / 5, levels), tag, bits)));
    return row;
}

const QByteArray kSine11k = encoded(sine(11025, kFrames11k, 0.5), 1, 16);

class PrepareSoundFormats : public ::testing::TestWithParam<FormatRow> {};

TEST_P(PrepareSoundFormats, SoundsWithTheRightLengthAndLevel)
{
    const FormatRow& row = GetParam();
    QString why;
    const platform::SoundPtr s = prepareSound(row.image, &why);
    ASSERT_TRUE(s) << why.toStdString();
    EXPECT_EQ(s->frames().size(), row.frames);
    EXPECT_LE(worstDeviation(s->frames(), row.level), row.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PrepareSoundFormats,
    ::testing::Values(
        plain("16-bit mono 11025 Hz", 1, 16, 11025, {0.5}, 0.5),
        plain("16-bit mono 22050 Hz", 1, 16, 22050, {0.5}, 0.5),
        plain("16-bit stereo 11025 Hz averages the channels", 1, 16, 11025, {0.6, 0.2}, 0.4),
        plain("8-bit unsigned 8 kHz", 1, 8, 8000, {0.5}, 0.5, 400),
        plain("8-bit unsigned stereo 11025 Hz", 1, 8, 11025, {0.5, 0.3}, 0.4, 400),
        plain("24-bit mono 48 kHz", 1, 24, 48000, {0.5}, 0.5),
        extensible("24-bit extensible stereo 48 kHz", 1, 24, 48000, {0.9, -0.1}, 0.4),
        plain("32-bit integer mono 32 kHz", 1, 32, 32000, {-0.7}, -0.7),
        plain("32-bit float mono 96 kHz", 3, 32, 96000, {0.5}, 0.5),
        extensible("32-bit float extensible stereo 44.1 kHz", 3, 32, 44100, {0.5, 0.5}, 0.5),
        plain("64-bit float mono 16 kHz", 3, 64, 16000, {0.25}, 0.25),
        plain("three channels averaged 22050 Hz", 1, 16, 22050, {0.3, 0.3, 0.6}, 0.4),
        FormatRow{"LIST chunk before fmt and fact after data",
                  riff(chunk("LIST", "INFOISFT\x04\0\0\0abc") + chunk("fmt ", fmtBody(1, 11025, 16))
                       + chunk("data", kSine11k) + chunk("fact", le32(kFrames11k))),
                  kFrames11k * 4, 0.5, 4},
        FormatRow{"odd-length LIST chunk before data",
                  riff(chunk("fmt ", fmtBody(1, 11025, 16)) + chunk("LIST", "abc") + chunk("data", kSine11k)),
                  kFrames11k * 4, 0.5, 4},
        FormatRow{"data chunk before fmt", riff(chunk("data", kSine11k) + chunk("fmt ", fmtBody(1, 11025, 16))),
                  kFrames11k * 4, 0.5, 4},
        FormatRow{
            "data chunk cut short plays what is there",
            riff(chunk("fmt ", fmtBody(1, 11025, 16)) + QByteArray("data") + le32(kFrames11k * 2 + 1000) + kSine11k),
            kFrames11k * 4, 0.5, 4}),
    testing_support::RowName());

// The resampler keeps a sound where it is: a click stays on its frame (no leading delay)
// and one on the last frame is not cut off.
struct ClickRow : testing_support::NamedRow {
    int at; // the click's frame in 2000 at 11025 Hz
};

class PrepareSoundClick : public ::testing::TestWithParam<ClickRow> {};

TEST_P(PrepareSoundClick, StaysOnItsFrame)
{
    const int at = GetParam().at;
    Frames source(2000, 0);
    source[std::size_t(at)] = 20000;
    const platform::SoundPtr s = prepareSound(wave16(1, 11025, source));
    ASSERT_TRUE(s);
    ASSERT_EQ(s->frames().size(), source.size() * 4);
    const auto& f = s->frames();
    const auto peak =
        std::max_element(f.begin(), f.end(), [](qint16 a, qint16 b) { return std::abs(a) < std::abs(b); });
    EXPECT_EQ(peak - f.begin(), at * 4);
    EXPECT_GT(*peak, 15000);
}

INSTANTIATE_TEST_SUITE_P(Rows, PrepareSoundClick,
                         ::testing::Values(ClickRow{"on the first frame", 0}, ClickRow{"inside", 100},
                                           ClickRow{"on the last frame", 1999}),
                         testing_support::RowName());

// A full-scale square wave overshoots after filtering: clipped, never wrapped around.
TEST(PrepareSoundTiming, OvershootIsClippedNotWrapped)
{
    Frames source;
    for (int i = 0; i < 2200; ++i)
        source.push_back((i / 55) % 2 ? -32768 : 32767);
    const platform::SoundPtr s = prepareSound(wave16(1, 11025, source));
    ASSERT_TRUE(s);
    for (std::size_t i = 0; i < s->frames().size(); ++i) {
        const std::size_t inHalf = (i / 4) % 55;
        if (inHalf < 4 || inHalf > 50)
            continue; // near an edge the filter's ringing may cross zero
        ASSERT_EQ(s->frames()[i] > 0, source[i / 4] > 0) << "frame " << i;
    }
}

// A 1 kHz tone recorded at 11025 Hz has nothing above 5.5 kHz; converted to 44.1 kHz it
// must not gain its images at 11025 ∓ 1000 Hz (linear interpolation leaves them at -40 dB).
struct ImageRow : testing_support::NamedRow {
    double hz;
};

class PrepareSoundSpectrum : public ::testing::TestWithParam<ImageRow> {};

TEST_P(PrepareSoundSpectrum, ATonesImagesAreGone)
{
    const platform::SoundPtr s = prepareSound(wave16(1, 11025, [] {
        Frames f;
        for (const double v : sine(11025, 11025, 0.5 * 32768, 1000.0))
            f.push_back(qint16(std::lround(v)));
        return f;
    }()));
    ASSERT_TRUE(s);
    const double tone = levelAt(s->frames(), 4410, 32768, 1000.0, kOutputRate);
    EXPECT_LT(20 * std::log10(levelAt(s->frames(), 4410, 32768, GetParam().hz, kOutputRate) / tone), -90.0);
}

INSTANTIATE_TEST_SUITE_P(Rows, PrepareSoundSpectrum,
                         ::testing::Values(ImageRow{"10025 Hz, below the old rate", 10025.0},
                                           ImageRow{"12025 Hz, above the old rate", 12025.0},
                                           ImageRow{"21050 Hz, below twice the old rate", 21050.0}),
                         testing_support::RowName());

struct BadRow : testing_support::NamedRow {
    QByteArray image;
    const char* reason; // a part of the reason given
};

class PrepareSoundBad : public ::testing::TestWithParam<BadRow> {};

TEST_P(PrepareSoundBad, IsRefusedWithItsReason)
{
    QString why;
    EXPECT_EQ(prepareSound(GetParam().image, &why), nullptr);
    EXPECT_TRUE(why.contains(QString::fromUtf8(GetParam().reason))) << why.toStdString();
    EXPECT_EQ(prepareSound(GetParam().image), nullptr) << "the same without asking why";
}

QByteArray withTag(QByteArray image, int at, const char* tag)
{
    image.replace(at, 4, tag);
    return image;
}

const QByteArray kData = chunk("data", pcm16(kSource));

INSTANTIATE_TEST_SUITE_P(
    Rows, PrepareSoundBad,
    ::testing::Values(
        BadRow{"empty", {}, "not a RIFF/WAVE file"}, BadRow{"one_byte", "R", "not a RIFF/WAVE file"},
        BadRow{"wrong_riff_tag", withTag(wave16(1, 11025, kSource), 0, "RIFX"), "not a RIFF/WAVE file"},
        BadRow{"wrong_wave_tag", withTag(wave16(1, 11025, kSource), 8, "AVI "), "not a RIFF/WAVE file"},
        BadRow{"header_only_riff_wave_no_chunks", riff({}), "no format chunk"},
        BadRow{"no_fmt_chunk", riff(kData), "no format chunk"},
        BadRow{"no_data_chunk", riff(chunk("fmt ", fmtBody(1, 11025, 16))), "no data chunk"},
        BadRow{"empty_data_chunk", riff(chunk("fmt ", fmtBody(1, 11025, 16)) + chunk("data", {})), "holds no sound"},
        BadRow{"one_frame_at_96_kHz_is_less_than_one_at_the_output_rate",
               riff(chunk("fmt ", fmtBody(1, 96000, 16)) + chunk("data", pcm16({1000}))), "holds no sound"},
        BadRow{"fmt_chunk_cut_short", riff(chunk("fmt ", fmtBody(1, 11025, 16).left(10)) + kData), "cut short"},
        BadRow{"extensible_fmt_chunk_cut_short",
               riff(chunk("fmt ", extensibleFmtBody(1, 11025, 16).left(24)) + kData), "cut short"},
        BadRow{"not_pcm_adpcm", riff(chunk("fmt ", fmtBody(1, 11025, 4, 2)) + kData), "compressed (format tag 2)"},
        BadRow{"extensible_adpcm", riff(chunk("fmt ", extensibleFmtBody(1, 11025, 4, 2)) + kData),
               "compressed (format tag 2)"},
        BadRow{"12_bit", riff(chunk("fmt ", fmtBody(1, 11025, 12)) + kData), "12-bit PCM"},
        BadRow{"16_bit_float", riff(chunk("fmt ", fmtBody(1, 11025, 16, 3)) + kData), "16-bit float"},
        BadRow{"no_channels", riff(chunk("fmt ", fmtBody(0, 11025, 16)) + kData), "no channels"},
        BadRow{"rate_zero", riff(chunk("fmt ", fmtBody(1, 0, 16)) + kData), "rate of 0 Hz"},
        BadRow{"rate_absurdly_high", riff(chunk("fmt ", fmtBody(1, 50'000'000, 16)) + kData), "rate of 50000000 Hz"},
        // 20,000 frames at 1 Hz would be 882 million output frames.
        BadRow{"rate_so_low_it_would_last_hours",
               riff(chunk("fmt ", fmtBody(1, 1, 16)) + chunk("data", pcm16(Frames(20000, 1)))), "rate of 1 Hz"},
        BadRow{"longer_than_ten_minutes",
               riff(chunk("fmt ", fmtBody(1, 8000, 8)) + chunk("data", QByteArray(8000 * 601, '\x80'))),
               "longer than ten minutes"}),
    testing_support::RowName());

} // namespace
