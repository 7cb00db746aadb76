// Note-on latency in process: a key event delivered to a small widget that starts a
// prepared sound through the system voice, to the moment that sound's first frame is
// written to the device. Needs an audio device (run it inside a private PulseAudio with a
// null sink: see e2e_latency.py). Prints median and p99 over the notes as its last line.
#include "BenchSound.h"

#include "platform/AudioSinkVoice.h"
#include "platform/Clock.h"
#include "platform/Voice.h"

#include <QApplication>
#include <QKeyEvent>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QWidget>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

namespace {

class NoteWidget final : public QWidget {
public:
    explicit NoteWidget(platform::SoundPtr sound) : sound_(std::move(sound)) {}

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->key() == Qt::Key_A)
            platform::systemVoice().start(sound_);
    }

private:
    platform::SoundPtr sound_;
};

struct Run {
    int notes = 1000;
    qint64 spacingUs = 20'000;
    std::vector<qint64> sentUs;
    std::vector<qint64> writtenUs;
    std::atomic<int> reported{0};
};

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    const std::size_t i = std::min(v.size() - 1, std::size_t(p * double(v.size() - 1) + 0.5));
    return v[i];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Run run;
    if (argc > 1)
        run.notes = std::max(10, std::atoi(argv[1]));
    if (QMediaDevices::audioOutputs().isEmpty()) {
        std::fprintf(stderr, "no audio output device: run inside a sound server (see e2e_latency.py)\n");
        return 2;
    }
    run.sentUs.assign(std::size_t(run.notes), 0);

    platform::Clock& clock = platform::steadyClock();
    run.writtenUs.assign(std::size_t(run.notes) * 2, 0);
    platform::systemAudioSinkVoice().setFirstFrameObserver([&run](qint64 us) {
        const int i = run.reported.fetch_add(1);
        if (i < int(run.writtenUs.size()))
            run.writtenUs[std::size_t(i)] = us;
    });

    NoteWidget widget(bench::testNote());
    widget.resize(100, 100);
    widget.show();

    int next = 0;
    std::function<void()> sendNext = [&] {
        if (next == run.notes) {
            QCoreApplication::quit();
            return;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        run.sentUs[std::size_t(next)] = clock.nowUs();
        QApplication::sendEvent(&widget, &press);
        ++next;
        clock.callAt(clock.nowUs() + run.spacingUs, sendNext);
    };
    // The sound server starts taking a new stream's frames only after about a second.
    clock.callAt(clock.nowUs() + 2'000'000, sendNext);
    app.exec();
    // Let the last note's report arrive: a blocking call to the audio thread orders it.
    platform::systemAudioSinkVoice().setFirstFrameObserver({});

    // Each report belongs to the last note sent before it. A note cut off by the next one
    // before any of its frames reached the device counts until the first frame written
    // after it, whichever note that was.
    const std::size_t reports = std::min<std::size_t>(std::size_t(run.reported.load()), run.writtenUs.size());
    std::vector<double> ms;
    int superseded = 0;
    std::size_t r = 0;
    for (int i = 0; i < run.notes; ++i) {
        const qint64 sent = run.sentUs[std::size_t(i)];
        while (r < reports && run.writtenUs[r] < sent)
            ++r;
        if (r == reports) {
            std::printf("note %d: no frame written after it\n", i);
            return 1;
        }
        const qint64 nextSent = i + 1 < run.notes ? run.sentUs[std::size_t(i) + 1] : INT64_MAX;
        if (run.writtenUs[r] >= nextSent)
            ++superseded;
        ms.push_back(double(run.writtenUs[r] - sent) / 1000.0);
    }
    std::printf("notes cut off before their first frame was written: %d\n", superseded);
    std::printf("min %.3f ms, max %.3f ms\n", *std::min_element(ms.begin(), ms.end()),
                *std::max_element(ms.begin(), ms.end()));
    std::printf("note-on latency in process (key event to first frame written), %d notes: "
                "median %.3f ms, p99 %.3f ms\n",
                run.notes, percentile(ms, 0.5), percentile(ms, 0.99));
    return 0;
}
