// Playback onset error on the real clock: a 1,000-entry list of short pauses (0..20 ms)
// played by the list player; for every note, how late its play step ran against its
// schedule (start + the sum of the waits). Prints p50/p99/max, CPU used, and last the
// p99 error and the last note's error (drift).

#include "BenchSupport.h"

#include "tezvan/core/NoteListPlayer.h"
#include "tezvan/core/NoteLists.h"

#include "platform/Clock.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Listens to the player: how late each note's step ran against its schedule.
class OnsetWatch {
public:
    OnsetWatch(const platform::Clock& clock, const tezvan::NoteListPlayer& player, std::vector<qint64> scheduleUs)
        : clock_(clock), scheduleUs_(std::move(scheduleUs))
    {
        QObject::connect(&player, &tezvan::NoteListPlayer::turn, [this](int index) {
            if (index == 0)
                t0Us_ = clock_.nowUs(); // the player takes its start in this same step
        });
        QObject::connect(&player, &tezvan::NoteListPlayer::noteDue, [this](int index, int, bool) {
            errorsUs.push_back(clock_.nowUs() - t0Us_ - scheduleUs_[std::size_t(index)]);
        });
        QObject::connect(&player, &tezvan::NoteListPlayer::finished, [] { QCoreApplication::quit(); });
    }

    std::vector<qint64> errorsUs;

private:
    const platform::Clock& clock_;
    std::vector<qint64> scheduleUs_;
    qint64 t0Us_ = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    constexpr int kEntries = 1000;

    QStringList entries;
    std::vector<qint64> scheduleUs;
    qint64 sumUs = 0;
    quint32 seed = 12345;
    for (int k = 0; k < kEntries; ++k) {
        seed = seed * 1103515245u + 12345u;
        const int pause = int((seed >> 16) % 21);
        entries.append(QStringLiteral("%1=%2").arg(k % 14, 2, 10, QLatin1Char('0')).arg(pause));
        sumUs += pause * 1000;
        scheduleUs.push_back(sumUs);
    }

    platform::Clock& clock = platform::steadyClock();
    tezvan::NoteLists lists;
    lists.replaceAll(entries, entries);
    tezvan::NoteListPlayer player(clock, lists);
    OnsetWatch watch(clock, player, scheduleUs);
    const double cpuBefore = bench::cpuSeconds();
    const qint64 wallBeforeUs = clock.nowUs();
    QTimer::singleShot(0, [&] { player.start(); });
    app.exec();
    const double cpu = bench::cpuSeconds() - cpuBefore;
    const double wall = double(clock.nowUs() - wallBeforeUs) / 1e6;

    std::vector<double> errorsMs;
    for (const qint64 us : watch.errorsUs)
        errorsMs.push_back(double(us) / 1000.0);
    const auto at = [&](double q) { return bench::percentile(errorsMs, q); };
    std::printf("notes %zu, list %.2f s, played in %.2f s\n", errorsMs.size(), double(sumUs) / 1e6, wall);
    std::printf("onset error ms: min %.3f  p50 %.3f  p90 %.3f  p99 %.3f  max %.3f\n", at(0), at(0.5), at(0.9),
                at(0.99), at(1.0));
    std::printf("CPU while playing: %.2f %% of a core\n", 100.0 * cpu / wall);
    std::printf("playback onset error: p99 %.3f ms (goal <= 1 ms), last onset %.3f ms (goal within 1 ms)\n",
                at(0.99), double(watch.errorsUs.back()) / 1000.0);
    return 0;
}
