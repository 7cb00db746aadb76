#pragma once
// The measuring part of the in-process note-on latency benches: sends key presses to a
// window one by one, each at a fixed spacing, and sets the moment each was delivered against
// the moment the system voice wrote the first frame of the note it started.

#include "BenchSupport.h"

#include "platform/Clock.h"
#include "platform/PulseVoice.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace bench {

// Key-to-sound times, from when each note was sent and when frames were first written.
struct FirstFrameTimes {
    std::vector<double> ms; // one per note
    int superseded = 0;     // notes cut off by the next before any frame of theirs was written
    int silentNote = -1;    // the first note no frame was written after, or -1
};

// Each report belongs to the last note sent before it. A note cut off by the next one
// before any of its frames reached the device counts until the first frame written
// after it, whichever note that was.
inline FirstFrameTimes matchFirstFrames(const std::vector<qint64>& sentUs, const std::vector<qint64>& writtenUs,
                                        std::size_t reports)
{
    FirstFrameTimes out;
    const std::size_t notes = sentUs.size();
    std::size_t r = 0;
    for (std::size_t i = 0; i < notes; ++i) {
        const qint64 sent = sentUs[i];
        while (r < reports && writtenUs[r] < sent)
            ++r;
        if (r == reports) {
            out.silentNote = int(i);
            return out;
        }
        const qint64 nextSent = i + 1 < notes ? sentUs[i + 1] : INT64_MAX;
        if (writtenUs[r] >= nextSent)
            ++out.superseded;
        out.ms.push_back(double(writtenUs[r] - sent) / 1000.0);
    }
    return out;
}

// Runs the event loop; returns the program's exit code. makeKey builds the i-th key press.
inline int measureNoteOnLatency(QWidget& target, int notes, const std::function<QKeyEvent(int)>& makeKey,
                                const char* what)
{
    if (!platform::systemPulseVoice().connected()) {
        std::fprintf(stderr,
                     "no sound server: run inside one "
                     "(for example through bench/with_null_sink.sh)\n");
        return 2;
    }
    const qint64 spacingUs = 20'000;
    std::vector<qint64> sentUs(std::size_t(notes), 0);
    std::vector<qint64> writtenUs(std::size_t(notes) * 2, 0);
    std::atomic<int> reported{0};

    platform::Clock& clock = platform::steadyClock();
    platform::systemPulseVoice().setFirstFrameObserver([&](qint64 us) {
        const int i = reported.fetch_add(1);
        if (i < int(writtenUs.size()))
            writtenUs[std::size_t(i)] = us;
    });

    int next = 0;
    std::function<void()> sendNext = [&] {
        if (next == notes) {
            QCoreApplication::quit();
            return;
        }
        QKeyEvent press = makeKey(next);
        sentUs[std::size_t(next)] = clock.nowUs();
        QApplication::sendEvent(&target, &press);
        ++next;
        clock.callAt(clock.nowUs() + spacingUs, sendNext);
    };
    // The sound server starts taking a new stream's frames only after about a second.
    clock.callAt(clock.nowUs() + 2'000'000, sendNext);
    QApplication::exec();
    // A blocking call to the audio thread: every report of a written frame has arrived.
    platform::systemPulseVoice().setFirstFrameObserver({});

    const std::size_t reports = std::min<std::size_t>(std::size_t(reported.load()), writtenUs.size());
    const FirstFrameTimes times = matchFirstFrames(sentUs, writtenUs, reports);
    if (times.silentNote >= 0) {
        std::printf("note %d: no frame written after it: the voice did not sound\n", times.silentNote);
        return 1;
    }
    const std::vector<double>& ms = times.ms;
    std::printf("notes cut off before their first frame was written: %d\n", times.superseded);
    std::printf("min %.3f ms, max %.3f ms\n", *std::min_element(ms.begin(), ms.end()),
                *std::max_element(ms.begin(), ms.end()));
    std::printf("note-on latency in process (%s: key event to first frame written), %d notes: "
                "median %.3f ms, p99 %.3f ms\n",
                what, notes, percentile(ms, 0.5), percentile(ms, 0.99));
    return 0;
}

} // namespace bench
