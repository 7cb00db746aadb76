#include "support/TestSink.h"

#include "platform/SinkFeeder.h"
#include "platform/VirtualClock.h"
#include "support/Ramp.h"

#include <gtest/gtest.h>

using platform::OneVoiceMixer;
using platform::SinkFeeder;
using platform::SoundPtr;
using testing_support::TestSink;

namespace {

using testing_support::ramp;

struct Rig {
    Rig()
    {
        sink.open();
        feeder.setFirstFrameObserver([this](qint64 us) { firstFrames.push_back(us); });
    }
    platform::VirtualClock clock;
    OneVoiceMixer mixer;
    TestSink sink;
    SinkFeeder feeder{mixer, sink, clock};
    std::vector<qint64> firstFrames;
};

std::ptrdiff_t indexOf(const std::vector<qint16>& f, qint16 v)
{
    const auto it = std::find(f.begin(), f.end(), v);
    return it == f.end() ? -1 : it - f.begin();
}

TEST(SinkFeeder, KeepsTheDeviceFullWithSilence)
{
    Rig r;
    r.feeder.topUp();
    EXPECT_EQ(r.sink.frames(), std::vector<qint16>(441, 0));
    r.feeder.topUp(); // full: nothing more
    EXPECT_EQ(r.sink.frames().size(), 441u);
    r.sink.drain(100);
    r.feeder.topUp();
    EXPECT_EQ(r.sink.frames().size(), 491u);
}

TEST(SinkFeeder, NewSoundGoesToTheDeviceOnTheNextTopUpAndIsReported)
{
    Rig r;
    r.feeder.topUp();
    r.sink.drain(20);
    r.clock.advanceUs(700);
    r.mixer.start(ramp(1000, 50));
    r.feeder.topUp();

    const auto f = r.sink.frames();
    ASSERT_EQ(f.size(), 451u);
    EXPECT_EQ(f[441], 1000) << "frame 0 right behind what was queued";
    ASSERT_EQ(r.firstFrames.size(), 1u);
    EXPECT_EQ(r.firstFrames[0], r.clock.nowUs());
}

TEST(SinkFeeder, StartCutsOffTheSoundOnTheDevice)
{
    Rig r;
    r.sink.setCapacity(20);
    r.mixer.start(ramp(1000, 100));
    r.feeder.topUp(); // 1000..1009
    r.sink.drain(20);
    r.mixer.start(ramp(-3000, 100));
    r.feeder.topUp();

    const auto f = r.sink.frames();
    ASSERT_EQ(f.size(), 20u);
    EXPECT_EQ(f[9], 1009);
    EXPECT_EQ(f[10], -3000);
    EXPECT_EQ(r.firstFrames.size(), 2u);
}

TEST(SinkFeeder, FramesHeldBackAreDroppedWhenASoundStarts)
{
    Rig r;
    r.sink.setMaxWrite(8); // the device takes four frames per call
    r.mixer.start(ramp(1000, 1000));
    r.feeder.topUp(); // pulls a whole block, the device takes a part of it
    const std::size_t before = r.sink.frames().size();
    ASSERT_LT(before, 441u);

    r.mixer.start(ramp(-3000, 100));
    r.feeder.topUp();
    const auto f = r.sink.frames();
    ASSERT_GT(f.size(), before);
    EXPECT_EQ(f[before], -3000) << "the new sound is not queued behind the old one's leftovers";
}

TEST(SinkFeeder, RestartOfTheSameSoundIsReportedEachTime)
{
    Rig r;
    const SoundPtr s = ramp(1000, 10);
    for (int i = 0; i < 3; ++i) {
        r.mixer.start(s);
        r.sink.drain(1000);
        r.feeder.topUp();
    }
    const auto f = r.sink.frames();
    EXPECT_EQ(std::count(f.begin(), f.end(), qint16(1000)), 3);
    EXPECT_EQ(r.firstFrames.size(), 3u);
}

TEST(SinkFeeder, StopSilencesTheDeviceWithoutAReport)
{
    Rig r;
    r.sink.setCapacity(20);
    r.mixer.start(ramp(1000, 100));
    r.feeder.topUp();
    r.mixer.stop();
    r.sink.drain(20);
    r.feeder.topUp();
    const auto f = r.sink.frames();
    ASSERT_EQ(f.size(), 20u);
    EXPECT_EQ(std::vector<qint16>(f.begin() + 10, f.end()), std::vector<qint16>(10, 0));
    EXPECT_EQ(r.firstFrames.size(), 1u);
}

TEST(SinkFeeder, OddSizedWritesKeepEveryFrameWhole)
{
    Rig r;
    r.sink.setMaxWrite(3);
    r.mixer.start(ramp(1000, 30));
    for (int i = 0; i < 40; ++i)
        r.feeder.topUp();
    const auto f = r.sink.frames();
    ASSERT_GE(f.size(), 30u);
    for (int i = 0; i < 30; ++i)
        ASSERT_EQ(f[std::size_t(i)], 1000 + i) << "frame " << i;
    EXPECT_EQ(r.firstFrames.size(), 1u);
}

TEST(SinkFeeder, ClosedDeviceTakesNothing)
{
    Rig r;
    r.sink.close();
    r.mixer.start(ramp(1000, 30));
    r.feeder.topUp();
    EXPECT_TRUE(r.sink.frames().empty());
    EXPECT_TRUE(r.firstFrames.empty());
    EXPECT_EQ(indexOf(r.sink.frames(), 1000), -1);
}

} // namespace
