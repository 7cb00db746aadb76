// Soak of the real voice: random notes that cut each other off and sustained notes left to
// ring out, for a long stretch, while the sink's monitor is recorded. Counts notes not heard
// within 100 ms, breaks (5 ms of silence) inside notes, and the server's underflows.
// A watcher thread at real-time priority notes every stall of the whole machine (a 2 ms sleep
// that takes over 15 ms), so that a break can be told apart from a machine that stood still.
// Run inside a private server:
//   bench/with_null_sink.sh --server pipewire -- voice_soak [SECONDS [TARGET_MS MINREQ_MS]]
#include "HeardTones.h"

#include "platform/PulseVoice.h"
#include "platform/RealTime.h"

#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

// Stalls of the whole machine: (steady us when the late wake-up came, how late in us).
class StallWatcher {
public:
    StallWatcher()
        : thread_([this] {
              platform::askForRealTime();
              platform::Clock& clock = platform::steadyClock();
              while (!stop_) {
                  const qint64 before = clock.nowUs();
                  std::this_thread::sleep_for(std::chrono::milliseconds(2));
                  const qint64 after = clock.nowUs();
                  if (after - before > 15'000) {
                      std::lock_guard lock(mutex_);
                      stalls_.emplace_back(after, after - before - 2'000);
                  }
              }
          })
    {
    }
    ~StallWatcher()
    {
        stop_ = true;
        thread_.join();
    }
    // The longest stall that ended within [fromUs, toUs], in ms; 0 for none.
    double longestIn(qint64 fromUs, qint64 toUs)
    {
        std::lock_guard lock(mutex_);
        qint64 longest = 0;
        for (const auto& [at, late] : stalls_)
            if (at >= fromUs && at <= toUs)
                longest = std::max(longest, late);
        return double(longest) / 1000;
    }
    std::size_t count()
    {
        std::lock_guard lock(mutex_);
        return stalls_.size();
    }

private:
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::pair<qint64, qint64>> stalls_;
    std::thread thread_;
};

struct Played {
    int pitch;
    qint64 atUs;
    int forMs; // time until the next note (or the end)
    int lengthMs;
};

} // namespace

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::max(5, std::atoi(argv[1])) : 600;
    platform::PulseVoice::Options options;
    if (argc > 3) {
        options.targetMs = std::atoi(argv[2]);
        options.minRequestMs = std::atoi(argv[3]);
    }
    bench::MonitorRecorder recorder;
    platform::PulseVoice voice(options);
    StallWatcher stalls;
    if (!recorder.ok() || !voice.connected()) {
        std::fprintf(stderr, "no sound server with a sink \"bench\": run through bench/with_null_sink.sh\n");
        return 2;
    }
    std::vector<platform::SoundPtr> cut, sustained;
    for (double hz : bench::kPitches) {
        cut.push_back(bench::tone(hz, 800));
        sustained.push_back(bench::tone(hz, 3000));
    }
    std::mt19937 random(20261207);
    platform::Clock& clock = platform::steadyClock();
    if (!recorder.settle()) {
        std::fprintf(stderr, "the sink's monitor delivers nothing\n");
        return 2;
    }
    const qint64 endUs = clock.nowUs() + qint64(seconds) * 1'000'000;
    std::vector<Played> played;
    int lastPitch = -1;
    while (clock.nowUs() < endUs) {
        int pitch = int(random() % 4);
        if (pitch == lastPitch)
            pitch = (pitch + 1) % 4;
        lastPitch = pitch;
        const bool ringOut = random() % 8 == 0;
        // A cut-off note lasts 60 to 700 ms; a sustained one rings out, and some are
        // followed by an idle long enough for the stream to be corked.
        const int forMs = ringOut ? 3000 + int(random() % 2) * 1500 : 60 + int(random() % 640);
        played.push_back({pitch, clock.nowUs(), forMs, ringOut ? 3000 : 800});
        const quint64 underflowsBefore = voice.counters().underflows;
        voice.start(ringOut ? sustained[std::size_t(pitch)] : cut[std::size_t(pitch)]);
        std::this_thread::sleep_for(std::chrono::milliseconds(forMs));
        if (const quint64 u = voice.counters().underflows - underflowsBefore)
            std::printf("note %zu at %.3f s (%s, after %s): %llu underflows while it sounded; longest stall of "
                        "the machine meanwhile %.1f ms\n",
                        played.size() - 1, double(played.back().atUs - played[0].atUs) / 1e6,
                        ringOut ? "sustained" : "cut off",
                        played.size() > 1 && played[played.size() - 2].forMs >= 3000 ? "an idle" : "a note",
                        static_cast<unsigned long long>(u), stalls.longestIn(played.back().atUs, clock.nowUs()));
    }
    // The last note's tail has to reach the recording too (PipeWire's capture lags behind).
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    const platform::PulseVoice::Counters counters = voice.counters();
    const bench::MonitorRecorder::Recording rec = recorder.take();

    int missing = 0, breaks = 0, notesWithBreaks = 0, sustainedNotes = 0, shortTails = 0;
    for (std::size_t i = 0; i < played.size(); ++i) {
        const Played& p = played[i];
        const std::optional<std::size_t> onset = bench::onsetOf(
            rec.frames, p.pitch, rec.frameAt(p.atUs - 5'000), rec.frameAt(p.atUs + 100'000));
        if (!onset) {
            ++missing;
            std::printf("note %zu (%.0f Hz) at %.3f s not heard within 100 ms\n", i, bench::kPitches[p.pitch],
                        double(p.atUs - played[0].atUs) / 1e6);
            continue;
        }
        sustainedNotes += p.lengthMs == 3000;
        // From 20 ms after the onset to 20 ms before the note is cut off or ends.
        const int soundsMs = std::min(p.forMs, p.lengthMs) - 40;
        if (soundsMs <= 5)
            continue;
        const bench::QuietBlocks q =
            bench::quietBlocksIn(rec.frames, *onset + 882, *onset + 882 + std::size_t(soundsMs) * 441 / 10);
        const int b = q.breaks;
        breaks += b;
        if (q.shortTailMs) {
            ++shortTails;
            std::printf("note %zu at %.3f s: ends %d ms early in the recording; longest stall of the machine "
                        "meanwhile %.1f ms\n",
                        i, double(p.atUs - played[0].atUs) / 1e6, q.shortTailMs,
                        stalls.longestIn(p.atUs, p.atUs + p.forMs * 1000));
        }
        if (b) {
            ++notesWithBreaks;
            std::printf("note %zu at %.3f s: %d breaks; longest stall of the machine meanwhile %.1f ms\n", i,
                        double(p.atUs - played[0].atUs) / 1e6, b, stalls.longestIn(p.atUs, p.atUs + p.forMs * 1000));
        }
    }
    std::printf("notes %zu (sustained %d), corks %llu, stalls of the machine over 15 ms %zu, notes ending early "
                "in the recording %d (target %d ms, minimum request %d ms)\n",
                played.size(), sustainedNotes, static_cast<unsigned long long>(counters.corks), stalls.count(),
                shortTails, options.targetMs, options.minRequestMs);
    std::printf("soak of the voice, %d s: notes not heard %d, breaks inside notes %d (in %d notes), "
                "underflows %llu\n",
                seconds, missing, breaks, notesWithBreaks, static_cast<unsigned long long>(counters.underflows));
    return missing || breaks || counters.underflows ? 1 : 0;
}
