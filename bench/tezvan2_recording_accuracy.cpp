// Recording accuracy on the real clock: notes recorded into the note grid at irregular
// times (37..800 ms apart) with the multiplier 10; each recorded duration is compared
// with the true time between the two notes. Prints every error's spread and last the
// largest error (goal: within 10 ms).

#include "tezvan2/core/GridRecorder.h"
#include "tezvan2/core/NoteGrid.h"

#include "platform/Clock.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    constexpr int kNotes = 25;

    platform::Clock& clock = platform::steadyClock();
    tezvan2::NoteGrid grid;
    tezvan2::GridRecorder recorder(grid, clock, [] { return QStringLiteral("10"); });
    recorder.startUp();

    std::vector<qint64> noteUs; // when each note was recorded
    std::vector<int> gapsMs;
    quint32 seed = 777;
    for (int k = 0; k + 1 < kNotes; ++k) {
        seed = seed * 1103515245u + 12345u;
        gapsMs.push_back(37 + int((seed >> 16) % 764));
    }

    std::function<void()> recordNext = [&] {
        noteUs.push_back(clock.nowUs());
        recorder.record(QStringLiteral("DO"));
        if (noteUs.size() == std::size_t(kNotes)) {
            QCoreApplication::quit();
            return;
        }
        clock.callAt(noteUs.back() + qint64(gapsMs[noteUs.size() - 1]) * 1000, recordNext);
    };
    QTimer::singleShot(0, recordNext);
    app.exec();

    std::vector<double> errorsMs;
    for (int k = 0; k + 1 < kNotes; ++k) {
        const double trueMs = double(noteUs[std::size_t(k) + 1] - noteUs[std::size_t(k)]) / 1000.0;
        errorsMs.push_back(grid.duration(k).toDouble() - trueMs);
    }
    const auto [lo, hi] = std::minmax_element(errorsMs.begin(), errorsMs.end());
    const double worst = std::max(std::fabs(*lo), std::fabs(*hi));
    std::printf("notes %d, gaps 37..800 ms, multiplier 10\n", kNotes);
    std::printf("recorded minus true duration ms: min %.3f  max %.3f\n", *lo, *hi);
    std::printf("recording accuracy: largest error %.3f ms (goal within 10 ms)\n", worst);
    return 0;
}
