// Note-on latency of tezvan2 in process: a key release delivered to the main window,
// through the key dispatch, the sample file's lookup by bare name in the working folder
// and its read, to the moment the sample's first frame is handed to the sound server.
// Needs a sound server: run it through bench/with_null_sink.sh [--server pipewire] (a private
// server with a null sink). Usage: tezvan2_note_on_latency [SAMPLE_FOLDER [NOTES]].
// Prints median and p99 as its last line.

#include "BenchSupport.h"
#include "NoteOnLatency.h"

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/PulseVoice.h"
#include "platform/Shell.h"
#include "tezvan2/windows/Tfrmana.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// A shell that opens nothing: the bench clicks no link.
class NoShell final : public platform::Shell {
public:
    void openAddress(const QUrl&) override {}
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(TEZVAN2_SAMPLE_DIR);
    const int notes = argc > 2 ? std::max(10, std::atoi(argv[2])) : 600;
    if (!QDir::setCurrent(folder)) {
        std::fprintf(stderr, "no sample folder %s\n", qPrintable(folder));
        return 2;
    }
    if (!platform::systemPulseVoice().connected()) {
        std::fprintf(stderr, "no sound server: run through bench/with_null_sink.sh\n");
        return 2;
    }

    platform::Clock& clock = platform::steadyClock();
    NoShell shell;
    tezvan2::Tfrmana window({platform::systemVoice(), clock, platform::systemDialogs(), shell, {}});
    window.show();

    std::vector<qint64> sentUs(std::size_t(notes), 0);
    std::vector<double> handlerMs; // the release's handling on the GUI thread alone
    std::vector<qint64> writtenUs(std::size_t(notes) * 2, 0);
    std::atomic<int> reported{0};
    platform::systemPulseVoice().setFirstFrameObserver([&](qint64 us) {
        const int i = reported.fetch_add(1);
        if (i < int(writtenUs.size()))
            writtenUs[std::size_t(i)] = us;
    });

    // Keys of different notes in turn, so every note starts a different file.
    const int keys[] = {Qt::Key_E, Qt::Key_R, Qt::Key_T, Qt::Key_Y, Qt::Key_U, Qt::Key_1, Qt::Key_S, Qt::Key_A};
    const qint64 spacingUs = 30'000;
    int next = 0;
    std::function<void()> sendNext = [&] {
        if (next == notes) {
            QCoreApplication::quit();
            return;
        }
        const int key = keys[next % int(std::size(keys))];
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&window, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        sentUs[std::size_t(next)] = clock.nowUs();
        QApplication::sendEvent(&window, &release);
        handlerMs.push_back(double(clock.nowUs() - sentUs[std::size_t(next)]) / 1000.0);
        ++next;
        clock.callAt(clock.nowUs() + spacingUs, sendNext);
    };
    // The sound server takes a new stream's frames only after about a second.
    clock.callAt(clock.nowUs() + 2'000'000, sendNext);
    app.exec();
    platform::systemPulseVoice().setFirstFrameObserver({});

    const std::size_t reports = std::min<std::size_t>(std::size_t(reported.load()), writtenUs.size());
    const bench::FirstFrameTimes times = bench::matchFirstFrames(sentUs, writtenUs, reports);
    if (times.silentNote >= 0) {
        std::printf("note %d: no frame written after it\n", times.silentNote);
        return 1;
    }
    const std::vector<double>& ms = times.ms;
    std::printf("key release handled on the GUI thread (dispatch, lookup, read, start): median %.3f ms, "
                "p99 %.3f ms\n",
                bench::percentile(handlerMs, 0.5), bench::percentile(handlerMs, 0.99));
    std::printf("min %.3f ms, max %.3f ms\n", *std::min_element(ms.begin(), ms.end()),
                *std::max_element(ms.begin(), ms.end()));
    std::printf("tezvan2 note-on latency in process (key release to first frame written, file lookup "
                "and read included), %d notes: median %.3f ms, p99 %.3f ms\n",
                notes, bench::percentile(ms, 0.5), bench::percentile(ms, 0.99));
    return 0;
}
