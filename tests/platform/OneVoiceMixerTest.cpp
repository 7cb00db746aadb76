#include "platform/OneVoiceMixer.h"
#include "support/Ramp.h"

#include <gtest/gtest.h>

using platform::OneVoiceMixer;
using platform::SoundPtr;

namespace {

using testing_support::ramp;

std::vector<qint16> pullFrames(OneVoiceMixer& m, std::size_t n, OneVoiceMixer::Pulled* info = nullptr)
{
    std::vector<qint16> out(n, qint16(-1));
    const auto p = m.pull(out);
    if (info)
        *info = p;
    return out;
}

using Frames = std::vector<qint16>;

TEST(OneVoiceMixer, SilentUntilStarted)
{
    OneVoiceMixer m;
    OneVoiceMixer::Pulled info;
    EXPECT_EQ(pullFrames(m, 3, &info), (Frames{0, 0, 0}));
    EXPECT_EQ(info.soundFrames, 0);
    EXPECT_FALSE(info.startsSound);
}

TEST(OneVoiceMixer, StartCutsOffTheSoundingOne)
{
    OneVoiceMixer m;
    m.start(ramp(100, 10));
    EXPECT_EQ(pullFrames(m, 3), (Frames{100, 101, 102}));
    m.start(ramp(500, 10));
    OneVoiceMixer::Pulled info;
    EXPECT_EQ(pullFrames(m, 3, &info), (Frames{500, 501, 502}));
    EXPECT_TRUE(info.startsSound);
}

TEST(OneVoiceMixer, SameSoundAgainRestartsFromItsBeginning)
{
    OneVoiceMixer m;
    const SoundPtr s = ramp(100, 10);
    m.start(s);
    pullFrames(m, 4);
    m.start(s);
    OneVoiceMixer::Pulled info;
    EXPECT_EQ(pullFrames(m, 2, &info), (Frames{100, 101}));
    EXPECT_TRUE(info.startsSound);
    EXPECT_FALSE((pullFrames(m, 2, &info), info.startsSound)) << "only the first block starts it";
}

TEST(OneVoiceMixer, StopSilencesAtOnce)
{
    OneVoiceMixer m;
    m.start(ramp(100, 10));
    pullFrames(m, 2);
    m.stop();
    EXPECT_FALSE(m.sounding());
    EXPECT_EQ(pullFrames(m, 3), (Frames{0, 0, 0}));
}

TEST(OneVoiceMixer, PullAcrossTheEndGivesTheRestThenSilence)
{
    OneVoiceMixer m;
    m.start(ramp(100, 5));
    pullFrames(m, 3);
    OneVoiceMixer::Pulled info;
    EXPECT_EQ(pullFrames(m, 4, &info), (Frames{103, 104, 0, 0}));
    EXPECT_EQ(info.soundFrames, 2);
    EXPECT_FALSE(m.sounding());
    EXPECT_EQ(pullFrames(m, 2), (Frames{0, 0}));
}

TEST(OneVoiceMixer, EmptySoundIsSilence)
{
    OneVoiceMixer m;
    m.start(ramp(100, 0));
    OneVoiceMixer::Pulled info;
    EXPECT_EQ(pullFrames(m, 2, &info), (Frames{0, 0}));
    EXPECT_FALSE(info.startsSound);
}

} // namespace
