#include "support/TestSink.h"

#include "platform/AudioSinkVoice.h"
#include "platform/Clock.h"
#include "support/Ramp.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;
using platform::AudioSinkVoice;
using platform::SoundPtr;
using testing_support::TestSink;
using Frames = std::vector<qint16>;

namespace {

using testing_support::ramp;

bool contains(const Frames& f, qint16 v)
{
    return std::find(f.begin(), f.end(), v) != f.end();
}

// The voice on its own thread, over a test sink that takes what it is given (10 ms).
struct ThreadedRig {
    explicit ThreadedRig(bool device = true, int idleAfterMs = 200)
    {
        auto out = std::make_unique<TestSink>();
        sink = out.get();
        sink->device = device;
        sink->setCapacity(882, /*drainsItself=*/true);
        voice = std::make_unique<AudioSinkVoice>(std::move(out), 2, idleAfterMs);
    }
    TestSink* sink;
    std::unique_ptr<AudioSinkVoice> voice;
};

TEST(AudioSinkVoice, StartedSoundReachesTheDeviceAtOnceAndIsReported)
{
    ThreadedRig r;
    std::mutex m;
    std::vector<qint64> reported;
    r.voice->setFirstFrameObserver([&](qint64 us) {
        std::lock_guard lock(m);
        reported.push_back(us);
    });

    const qint64 askedUs = platform::steadyClock().nowUs();
    ASSERT_TRUE(r.voice->start(ramp(1000, 20000)));
    ASSERT_TRUE(r.sink->waitFor([](const Frames& f) { return contains(f, 1000); }));
    const qint64 seenUs = platform::steadyClock().nowUs();
    // A blocking call to the audio thread: the top-up that wrote the frame has reported by now.
    r.voice->setFirstFrameObserver({});

    std::lock_guard lock(m);
    ASSERT_EQ(reported.size(), 1u);
    // The moment of the hand-over, on the steady clock; how soon it comes is the bench's figure.
    EXPECT_GE(reported[0], askedUs);
    EXPECT_LE(reported[0], seenUs);
}

TEST(AudioSinkVoice, NewSoundCutsOffTheOneSounding)
{
    ThreadedRig r;
    r.voice->start(ramp(1000, 30000));
    ASSERT_TRUE(r.sink->waitFor([](const Frames& f) { return contains(f, 1000); }));
    r.voice->start(ramp(-30000, 30000));
    ASSERT_TRUE(r.sink->waitFor([](const Frames& f) { return contains(f, -30000); }));
    r.voice->stop();
    // Some silence after the second sound's frames: the stop reached the device.
    ASSERT_TRUE(r.sink->waitFor([](const Frames& f) {
        const auto b = std::find(f.begin(), f.end(), qint16(-30000));
        const auto z = std::find(b, f.end(), qint16(0));
        return z != f.end() && f.end() - z > 441;
    }));

    const Frames f = r.sink->frames();
    const auto b = std::find(f.begin(), f.end(), qint16(-30000));
    const auto a = std::find(f.begin(), f.end(), qint16(1000));
    for (auto it = a; it != b; ++it)
        ASSERT_EQ(*it, 1000 + (it - a)) << "first sound contiguous up to the cut";
    EXPECT_TRUE(std::none_of(b, f.end(), [](qint16 v) { return v >= 1000; }))
        << "no frame of the first sound after the second began";
    for (auto it = b; it != f.end() && *it != 0; ++it)
        ASSERT_EQ(*it, -30000 + (it - b)) << "second sound contiguous from its frame 0";
}

TEST(AudioSinkVoice, NoDeviceMeansFalseAndNothingWritten)
{
    ThreadedRig r(/*device=*/false);
    EXPECT_FALSE(r.voice->start(ramp(1000, 100)));
    EXPECT_FALSE(r.voice->start(nullptr));
    r.voice->stop(); // harmless
    // The stop's wake has run by the time a blocking call to the audio thread returns.
    r.voice->setFirstFrameObserver({});
    EXPECT_EQ(r.sink->opens(), 0);
    EXPECT_EQ(r.sink->writes(), 0);
}

TEST(AudioSinkVoice, DeviceThatAppearsLaterIsUsedThen)
{
    ThreadedRig r(/*device=*/false);
    EXPECT_FALSE(r.voice->start(ramp(1000, 100)));
    r.sink->device = true;
    EXPECT_TRUE(r.voice->start(ramp(2000, 100)));
    ASSERT_TRUE(r.sink->waitFor([](const Frames& f) { return contains(f, 2000); }));
    EXPECT_FALSE(contains(r.sink->frames(), 1000)) << "the refused sound never sounds";
}

TEST(AudioSinkVoice, DeviceLostThenBackIsOpenedAgain)
{
    ThreadedRig r;
    r.voice->start(ramp(1000, 100));
    ASSERT_TRUE(r.sink->waitFor([](const Frames& f) { return contains(f, 1000); }));
    r.sink->device = false;
    EXPECT_FALSE(r.voice->start(ramp(2000, 100)));
    r.sink->device = true;
    EXPECT_TRUE(r.voice->start(ramp(3000, 100)));
    ASSERT_TRUE(r.sink->waitFor([](const Frames& f) { return contains(f, 3000); }));
    EXPECT_FALSE(contains(r.sink->frames(), 2000));
}

TEST(AudioSinkVoice, IdleVoiceStopsWritingAndWakesForTheNextSound)
{
    ThreadedRig r(true, /*idleAfterMs=*/20);
    r.voice->start(ramp(1000, 10));
    ASSERT_TRUE(r.sink->waitFor([](const Frames& f) { return contains(f, 1000); }));
    // Kept topped up, the sink would take 441 frames every 2 ms: some 66,000 in 300 ms.
    const std::size_t after = r.sink->frames().size();
    EXPECT_FALSE(r.sink->waitFor([&](const Frames& f) { return f.size() > after + 40'000; }, 300ms))
        << "the voice went on writing silence";
    ASSERT_TRUE(r.voice->start(ramp(5000, 10)));
    EXPECT_TRUE(r.sink->waitFor([](const Frames& f) { return contains(f, 5000); }));
}

} // namespace
