// Soak of the real voice: random notes that cut each other off and sustained notes left to
// ring out, for a long stretch, while the sink's monitor is recorded. Counts notes not heard
// within 100 ms, breaks (5 ms of silence) inside notes, and the server's underflows.
// A watcher thread on each processor notes every stall of the machine (a 1 ms sleep that
// wakes over 4 ms late), so that a break in the sound can be told apart from a machine that stood
// still for longer than the server's cycle. With --pw-record a second recording, made by
// PipeWire's own pw-record in a process of its own, says whether a break is in the sound or
// only in the bench's capture.
// Run inside a private server:
//   bench/with_null_sink.sh --server pipewire -- voice_soak [SECONDS [TARGET_MS MINREQ_MS]] [--pw-record]
#include "support/heard/HeardTones.h"
#include "support/heard/MachineStalls.h"

#include "platform/PulseVoice.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

namespace {

struct Played {
    int pitch;
    qint64 atUs;
    int forMs; // time until the next note (or the end)
    int lengthMs;
};

struct Judged {
    int missing = 0, breaks = 0, notesWithBreaks = 0, breaksNearStalls = 0, sustainedNotes = 0, shortTails = 0;
};

// Finds every note in one recording and the breaks inside it, each printed with the nearest
// stall of the machine.
Judged judge(const char* which, const heard::Recording& rec, const std::vector<Played>& played,
             heard::MachineStalls& stalls)
{
    Judged j;
    for (std::size_t i = 0; i < played.size(); ++i) {
        const Played& p = played[i];
        const double atS = double(p.atUs - played[0].atUs) / 1e6;
        const std::optional<std::size_t> onset =
            heard::onsetOf(rec.frames, p.pitch, rec.frameAt(p.atUs - 5'000), rec.frameAt(p.atUs + 100'000));
        if (!onset) {
            ++j.missing;
            std::printf("%s: note %zu (%.0f Hz) at %.3f s not heard within 100 ms\n", which, i,
                        heard::kPitches[p.pitch], atS);
            continue;
        }
        j.sustainedNotes += p.lengthMs == 3000;
        // From 20 ms after the onset to 20 ms before the note is cut off or ends.
        const int soundsMs = std::min(p.forMs, p.lengthMs) - 40;
        if (soundsMs <= 5)
            continue;
        const heard::QuietBlocks q =
            heard::quietBlocksIn(rec.frames, *onset + 882, *onset + 882 + std::size_t(soundsMs) * 441 / 10);
        j.breaks += q.breaks();
        j.notesWithBreaks += q.breaks() > 0;
        if (q.shortTailMs) {
            ++j.shortTails;
            std::printf("%s: note %zu at %.3f s ends %d ms early in the recording\n", which, i, atS, q.shortTailMs);
        }
        for (const heard::QuietBlocks::Break& b : q.runs) {
            const double us = rec.usOf(b.frame);
            const double nearMs = stalls.msFromNearest(us);
            if (nearMs <= heard::kNearStallMs)
                j.breaksNearStalls += b.blocks;
            std::printf("%s: note %zu at %.3f s breaks for %d ms at %.3f s; nearest stall of the machine %s\n",
                        which, i, atS, b.blocks * 5, (us - double(played[0].atUs)) / 1e6,
                        nearMs > 1e6 ? "none" : QByteArray::number(nearMs, 'f', 1).append(" ms away").constData());
        }
    }
    return j;
}

} // namespace

int main(int argc, char** argv)
{
    bool alsoPwRecord = false;
    std::vector<int> numbers;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--pw-record") == 0)
            alsoPwRecord = true;
        else
            numbers.push_back(std::atoi(argv[i]));
    }
    const int seconds = numbers.size() > 0 ? std::max(5, numbers[0]) : 600;
    platform::PulseVoice::Options options;
    if (numbers.size() > 2) {
        options.targetMs = numbers[1];
        options.minRequestMs = numbers[2];
    }
    heard::MonitorRecorder recorder;
    std::unique_ptr<heard::MonitorRecorder> native;
    if (alsoPwRecord)
        native = std::make_unique<heard::MonitorRecorder>(std::vector<std::string>{
            "pw-record", "--target", "bench", "-P", "{ stream.capture.sink = true }", "--rate",
            std::to_string(heard::kOutputRate), "--channels", "1", "--format", "s16", "-"});
    platform::PulseVoice voice(options);
    heard::MachineStalls stalls;
    if (!recorder.ok() || !voice.connected() || (native && !native->ok())) {
        std::fprintf(stderr,
                     "no sound server with a sink \"bench\" (or no pw-record): run through "
                     "bench/with_null_sink.sh\n");
        return 2;
    }
    std::vector<platform::SoundPtr> cut, sustained;
    for (double hz : heard::kPitches) {
        cut.push_back(heard::tone(hz, 800));
        sustained.push_back(heard::tone(hz, 3000));
    }
    std::mt19937 random(20261207);
    platform::Clock& clock = platform::steadyClock();
    if (!recorder.settle() || (native && !native->settle())) {
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

    const Judged j = judge("bench's capture", recorder.take(), played, stalls);
    if (native) {
        const Judged n = judge("pw-record", native->take(), played, stalls);
        std::printf("pw-record, in a process of its own: notes not heard %d, breaks inside notes %d (in %d notes), "
                    "%d of them within %.0f ms of a stall of the machine\n",
                    n.missing, n.breaks, n.notesWithBreaks, n.breaksNearStalls, heard::kNearStallMs);
    }
    std::printf("notes %zu (sustained %d), corks %llu, stalls of the machine over 4 ms %zu (longest %.1f ms; %.1f "
                "%% of the time "
                "lies within %.0f ms of one), notes ending early in the recording %d (target %d ms, minimum request "
                "%d ms)\n",
                played.size(), j.sustainedNotes, static_cast<unsigned long long>(counters.corks), stalls.count(),
                stalls.longestMs(), 100 * stalls.shareNear(played[0].atUs, endUs, heard::kNearStallMs),
                heard::kNearStallMs, j.shortTails, options.targetMs, options.minRequestMs);
    std::printf("soak of the voice, %d s: notes not heard %d, breaks inside notes %d (in %d notes; %d of them "
                "within %.0f ms of a stall of the machine), underflows %llu\n",
                seconds, j.missing, j.breaks, j.notesWithBreaks, j.breaksNearStalls, heard::kNearStallMs,
                static_cast<unsigned long long>(counters.underflows));
    return j.missing || j.breaks || counters.underflows ? 1 : 0;
}
