#include "platform/OfflineVoice.h"
#include "platform/VirtualClock.h"
#include "support/Ramp.h"
#include "support/RowName.h"

#include <QtEndian>
#include <gtest/gtest.h>

using platform::OfflineVoice;
using platform::SoundPtr;
using platform::VirtualClock;

namespace {

using testing_support::ramp;

std::vector<qint16> samplesOf(const QByteArray& image)
{
    std::vector<qint16> s;
    for (qsizetype i = 44; i + 1 < image.size(); i += 2)
        s.push_back(qFromLittleEndian<qint16>(image.constData() + i));
    return s;
}

struct OnsetRow {
    const char* name;
    int rate;
    qint64 delayUs;
    std::size_t expectedFrame;
};

class OfflineVoiceOnset : public ::testing::TestWithParam<OnsetRow> {};

TEST_P(OfflineVoiceOnset, SoundStartsAtTheRoundedOutputFrame)
{
    const OnsetRow row = GetParam();
    VirtualClock clock;
    OfflineVoice voice(clock);
    clock.advanceUs(row.delayUs);
    ASSERT_TRUE(voice.start(ramp(1000, 400)));

    const std::vector<qint16> s = samplesOf(voice.waveImage(row.rate));
    const int stride = platform::kOutputRate / row.rate;
    ASSERT_EQ(s.size(), row.expectedFrame + 400 / stride);
    for (std::size_t i = 0; i < row.expectedFrame; ++i)
        ASSERT_EQ(s[i], 0) << "silence before the onset, frame " << i;
    EXPECT_EQ(s[row.expectedFrame], 1000);
    EXPECT_EQ(s[row.expectedFrame + 1], 1000 + stride) << "every stride-th prepared frame";
}

INSTANTIATE_TEST_SUITE_P(Rows, OfflineVoiceOnset,
                         ::testing::Values(OnsetRow{"at_once_44100", 44100, 0, 0},
                                           OnsetRow{"fraction_rounds_down_44100", 44100, 1234, 54},     // 54.42
                                           OnsetRow{"fraction_rounds_up_44100", 44100, 1236, 55},       // 54.51
                                           OnsetRow{"below_half_a_frame_22050", 22050, 22, 0},          // 0.485
                                           OnsetRow{"just_below_half_11025", 11025, 1'000'045, 11025},  // 11025.496
                                           OnsetRow{"just_above_half_11025", 11025, 1'000'046, 11026}), // 11025.507
                         testing_support::RowName());

TEST(OfflineVoice, StartCutsOffTheSoundBefore)
{
    VirtualClock clock;
    OfflineVoice voice(clock);
    voice.start(ramp(1000, 44100));
    clock.advanceMs(10);
    voice.start(ramp(-5000, 100));

    const std::vector<qint16> s = samplesOf(voice.waveImage(44100));
    ASSERT_EQ(s.size(), 441u + 100u) << "the first sound ends at the cut, the last runs to its end";
    EXPECT_EQ(s[440], 1000 + 440);
    EXPECT_EQ(s[441], -5000);
    EXPECT_EQ(s.back(), -5000 + 99);
}

TEST(OfflineVoice, LongSoundBeforeStopsOnlyWhereTheNextBegins)
{
    VirtualClock clock;
    OfflineVoice voice(clock);
    voice.start(ramp(1000, 40));
    clock.advanceMs(10); // the first has long ended: a gap of silence
    voice.start(ramp(3000, 20));

    const std::vector<qint16> s = samplesOf(voice.waveImage(44100));
    ASSERT_EQ(s.size(), 441u + 20u);
    EXPECT_EQ(s[39], 1039);
    EXPECT_EQ(s[40], 0);
    EXPECT_EQ(s[441], 3000);
}

TEST(OfflineVoice, StopEndsTheImageWhenNothingSoundsAfter)
{
    VirtualClock clock;
    OfflineVoice voice(clock);
    voice.start(ramp(1000, 44100));
    clock.advanceMs(5);
    voice.stop();
    clock.advanceMs(100);
    voice.stop(); // harmless when silent

    const std::vector<qint16> s = samplesOf(voice.waveImage(22050));
    ASSERT_EQ(s.size(), 110u); // 5 ms at 22050 Hz = 110.25 frames
    EXPECT_EQ(s.back(), 1000 + 109 * 2);
}

TEST(OfflineVoice, HeaderIsAPlainMonoPcmFile)
{
    VirtualClock clock;
    OfflineVoice voice(clock);
    voice.start(ramp(1, 8));
    const QByteArray image = voice.waveImage(11025);
    ASSERT_EQ(image.size(), 44 + 2 * 2);
    const char* b = image.constData();
    EXPECT_EQ(image.left(4), "RIFF");
    EXPECT_EQ(qFromLittleEndian<quint32>(b + 4), 36u + 4u);
    EXPECT_EQ(image.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(qFromLittleEndian<quint32>(b + 16), 16u);
    EXPECT_EQ(qFromLittleEndian<quint16>(b + 20), 1u); // PCM
    EXPECT_EQ(qFromLittleEndian<quint16>(b + 22), 1u); // mono
    EXPECT_EQ(qFromLittleEndian<quint32>(b + 24), 11025u);
    EXPECT_EQ(qFromLittleEndian<quint32>(b + 28), 22050u);
    EXPECT_EQ(qFromLittleEndian<quint16>(b + 32), 2u);
    EXPECT_EQ(qFromLittleEndian<quint16>(b + 34), 16u);
    EXPECT_EQ(image.mid(36, 4), "data");
    EXPECT_EQ(qFromLittleEndian<quint32>(b + 40), 4u);
}

TEST(OfflineVoice, NothingStartedGivesAnEmptyFileAndNullSoundIsRefused)
{
    VirtualClock clock;
    OfflineVoice voice(clock);
    EXPECT_FALSE(voice.start(nullptr));
    EXPECT_EQ(voice.waveImage(44100).size(), 44);
    EXPECT_TRUE(voice.waveImage(8000).isEmpty()) << "only 11025, 22050 and 44100";
}

} // namespace
