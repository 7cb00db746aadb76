// The real voice on a real sound server: run inside a private server with a null sink named
// "bench" (bench/session_bench.py run --server pulseaudio|pipewire), recording the sink's
// monitor while the voice plays. Each note is a tone of its own pitch, so the recording
// tells which note sounded and when.
#include "platform/Clock.h"
#include "platform/PulseVoice.h"

#include <pulse/simple.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cmath>
#include <mutex>
#include <numbers>
#include <optional>
#include <thread>

using platform::kOutputRate;
using platform::PreparedSound;
using platform::PulseVoice;
using platform::SoundPtr;

namespace {

constexpr double kPitches[] = {440.0, 620.0, 880.0, 1240.0};

SoundPtr tone(double hz, int ms)
{
    std::vector<qint16> f(std::size_t(kOutputRate) * std::size_t(ms) / 1000);
    for (std::size_t i = 0; i < f.size(); ++i)
        f[i] = qint16(12000 * std::sin(2 * std::numbers::pi * hz * double(i) / kOutputRate));
    return std::make_shared<const PreparedSound>(std::move(f));
}

// The sink's monitor, each frame placed on the steady clock by the moment its piece arrived
// (so a frame's time is late by at most the capture's own latency).
class MonitorRecorder {
public:
    MonitorRecorder()
    {
        const pa_sample_spec spec{PA_SAMPLE_S16LE, kOutputRate, 1};
        pa_buffer_attr attr{};
        attr.maxlength = quint32(-1);
        attr.fragsize = quint32(pa_usec_to_bytes(5'000, &spec));
        int error = 0;
        pa_ = pa_simple_new(nullptr, "voice test", PA_STREAM_RECORD, "bench.monitor", "monitor", &spec, nullptr,
                            &attr, &error);
        if (pa_)
            thread_ = std::thread([this] { run(); });
    }
    ~MonitorRecorder()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        if (pa_)
            pa_simple_free(pa_);
    }
    bool ok() const { return pa_ != nullptr; }

    struct Recording {
        std::vector<qint16> frames;
        std::vector<std::pair<double, std::size_t>> arrivals; // (steady us, frames recorded by then)

        // The frame recorded at steady time `us`, judged from the pieces that arrived within a
        // second of it: the one that came soonest after its capture bounds it best, and a drift
        // of the sink's clock far away does not move it.
        std::size_t frameAt(qint64 us) const
        {
            double origin = 1e300;
            for (const auto& [at, n] : arrivals)
                if (std::abs(at - double(us)) < 1e6)
                    origin = std::min(origin, at - double(n) * 1e6 / kOutputRate);
            return std::size_t(std::max(0.0, (double(us) - origin) * kOutputRate / 1e6));
        }
    };

    Recording take()
    {
        std::lock_guard lock(mutex_);
        return recording_;
    }

private:
    void run()
    {
        std::vector<qint16> piece(220);
        while (!stop_) {
            int error = 0;
            if (pa_simple_read(pa_, piece.data(), piece.size() * 2, &error) < 0)
                return;
            const double now = double(platform::steadyClock().nowUs());
            std::lock_guard lock(mutex_);
            recording_.frames.insert(recording_.frames.end(), piece.begin(), piece.end());
            recording_.arrivals.emplace_back(now, recording_.frames.size());
        }
    }

    pa_simple* pa_ = nullptr;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    Recording recording_;
};

// Power of one pitch in frames [at, at + n) (Goertzel).
double power(const std::vector<qint16>& x, std::size_t at, std::size_t n, double hz)
{
    const double k = 2 * std::cos(2 * std::numbers::pi * hz / kOutputRate);
    double s1 = 0, s2 = 0;
    for (std::size_t i = at; i < at + n && i < x.size(); ++i) {
        const double s = x[i] + k * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    return s1 * s1 + s2 * s2 - k * s1 * s2;
}

// Where the pitch of note `which` first stands out in the window [from, to): its power
// above a floor and four times that of every other pitch.
std::optional<std::size_t> onsetOf(const std::vector<qint16>& x, int which, std::size_t from, std::size_t to)
{
    const std::size_t n = 441, step = 44; // 10 ms windows, 1 ms apart
    const double floor = std::pow(3000.0 * n / 2, 2);
    for (std::size_t at = from; at + n <= std::min(to, x.size()); at += step) {
        const double own = power(x, at, n, kPitches[which]);
        bool stands = own > floor;
        for (int other = 0; other < 4 && stands; ++other)
            stands = other == which || own > 4 * power(x, at, n, kPitches[other]);
        if (stands)
            return at;
    }
    return std::nullopt;
}

struct Played {
    int pitch;
    qint64 atUs;
};

TEST(PulseVoiceOnServer, EveryNoteIsHeardPromptlyAndASustainedNoteNeverBreaks)
{
    MonitorRecorder recorder;
    ASSERT_TRUE(recorder.ok()) << "no sink monitor \"bench.monitor\": run inside bench/session_bench.py run";
    PulseVoice voice;
    ASSERT_TRUE(voice.connected());
    std::vector<SoundPtr> notes, shortNotes;
    for (double hz : kPitches) {
        notes.push_back(tone(hz, 1000));
        shortNotes.push_back(tone(hz, 150));
    }
    platform::Clock& clock = platform::steadyClock();
    auto waitMs = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    std::vector<Played> played;
    auto play = [&](const SoundPtr& s, int pitch) {
        played.push_back({pitch, clock.nowUs()});
        ASSERT_TRUE(voice.start(s));
    };

    // A null sink's monitor that nobody records runs ahead for a while: let it settle.
    waitMs(1000);
    // Notes after more than a second of idle: the stream has been corked meanwhile.
    for (int i = 0; i < 3; ++i) {
        waitMs(1300);
        play(shortNotes[std::size_t(i)], i);
    }
    waitMs(1300);
    // Notes that cut each other off, 100 to 300 ms apart.
    for (int i = 0; i < 24; ++i) {
        play(notes[std::size_t(i % 4)], i % 4);
        waitMs(100 + (i * 37) % 200);
    }
    // A sustained note, left to ring out.
    const SoundPtr sustained = tone(kPitches[1], 3000);
    played.push_back({1, clock.nowUs()});
    ASSERT_TRUE(voice.start(sustained));
    const std::size_t sustainedIndex = played.size() - 1;
    waitMs(3600);

    const MonitorRecorder::Recording recording = recorder.take();
    const std::vector<qint16>& x = recording.frames;
    ASSERT_FALSE(x.empty());
    auto frameAt = [&](qint64 us) { return recording.frameAt(us); };
    std::vector<double> heardAfterMs;
    for (std::size_t i = 0; i < played.size(); ++i) {
        const std::size_t from = frameAt(played[i].atUs - 5'000);
        const std::optional<std::size_t> onset = onsetOf(x, played[i].pitch, from, frameAt(played[i].atUs + 100'000));
        EXPECT_TRUE(onset) << "note " << i << " (" << kPitches[played[i].pitch] << " Hz) not heard within 100 ms";
        if (onset)
            heardAfterMs.push_back(double(*onset) - double(frameAt(played[i].atUs)));
    }
    std::sort(heardAfterMs.begin(), heardAfterMs.end());
    if (!heardAfterMs.empty())
        std::printf("heard after (ms, within the capture's resolution): median %.1f, max %.1f\n",
                    heardAfterMs[heardAfterMs.size() / 2] * 1000 / kOutputRate, heardAfterMs.back() * 1000 / kOutputRate);

    // Inside the sustained note no 5 ms stretch falls silent.
    const std::optional<std::size_t> onset =
        onsetOf(x, 1, frameAt(played[sustainedIndex].atUs - 5'000), frameAt(played[sustainedIndex].atUs + 100'000));
    ASSERT_TRUE(onset);
    int breaks = 0;
    for (std::size_t at = *onset + 2 * 441; at + 220 < *onset + 2900 * 44 && at + 220 <= x.size(); at += 220) {
        double energy = 0;
        for (std::size_t i = at; i < at + 220; ++i)
            energy += double(x[i]) * x[i];
        if (std::sqrt(energy / 220) < 2000)
            ++breaks;
    }
    EXPECT_EQ(breaks, 0) << "5 ms stretches of silence inside the sustained note";
    EXPECT_EQ(voice.counters().underflows, 0u);
}

} // namespace
