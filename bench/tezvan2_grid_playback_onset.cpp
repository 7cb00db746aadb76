// Grid playback onset error on the real clock: a grid of 1,000 columns with durations
// of 1..20 ms played by the grid player from real ".wbs" files; for every column, how
// late its sample started against its schedule (start + the durations before it).
// Prints the spread, CPU used, and last the p99 error and the last onset's error (drift).

#include "BenchSupport.h"

#include "tezvan2/core/GridPlayer.h"
#include "tezvan2/core/NoteGrid.h"
#include "tezvan2/core/SampleFiles.h"

#include "platform/Clock.h"
#include "platform/Voice.h"
#include "platform/WaveFile.h"
#include "platform/WholeFile.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Notes when each sound started; sounds nothing.
class StampingVoice final : public platform::Voice {
public:
    explicit StampingVoice(const platform::Clock& clock) : clock_(clock) {}
    bool start(const platform::SoundPtr& sound) override
    {
        startsUs.push_back(clock_.nowUs());
        return bool(sound);
    }
    void stop() override {}
    std::vector<qint64> startsUs;

private:
    const platform::Clock& clock_;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    constexpr int kColumns = 1000;

    QTemporaryDir dir;
    const char* names[] = {"DO", "RE", "MI", "FA", "SOL", "LA", "SI"};
    for (const char* n : names) {
        if (!platform::writeWholeFile(dir.filePath(QString::fromUtf8(n).toLower() + QStringLiteral(".wbs")),
                                      platform::waveFileImage(std::vector<qint16>(22050, 0x1010), 44100))
                 .ok())
            return 1;
    }

    tezvan2::NoteGrid grid;
    grid.setCount(kColumns);
    std::vector<qint64> scheduleUs;
    qint64 sumUs = 0;
    quint32 seed = 4242;
    for (int c = 0; c < kColumns; ++c) {
        seed = seed * 1103515245u + 12345u;
        const int ms = 1 + int((seed >> 16) % 20);
        grid.setName(c, QString::fromUtf8(names[c % 7]));
        grid.setDuration(c, QString::number(ms));
        scheduleUs.push_back(sumUs);
        sumUs += ms * 1000;
    }

    platform::Clock& clock = platform::steadyClock();
    StampingVoice voice(clock);
    tezvan2::SampleFiles samples(voice, dir.path());
    tezvan2::GridPlayer player(grid, samples, clock);
    QObject::connect(&player, &tezvan2::GridPlayer::finished, &app, &QCoreApplication::quit);
    const double cpuBefore = bench::cpuSeconds();
    QTimer::singleShot(0, [&] { player.play(); });
    app.exec();
    const qint64 t0Us = player.startUs(); // what the player counts its deadlines from
    const double wall = double(clock.nowUs() - t0Us) / 1e6;
    const double cpu = bench::cpuSeconds() - cpuBefore;

    if (voice.startsUs.size() != std::size_t(kColumns)) {
        std::printf("only %zu of %d columns sounded\n", voice.startsUs.size(), kColumns);
        return 1;
    }
    std::vector<double> errorsMs;
    for (int c = 0; c < kColumns; ++c)
        errorsMs.push_back(double(voice.startsUs[std::size_t(c)] - t0Us - scheduleUs[std::size_t(c)]) / 1000.0);
    const auto at = [&](double q) { return bench::percentile(errorsMs, q); };
    std::printf("columns %d, grid %.2f s, played in %.2f s\n", kColumns, double(sumUs) / 1e6, wall);
    std::printf("onset error ms: min %.3f  p50 %.3f  p90 %.3f  p99 %.3f  max %.3f\n", at(0), at(0.5), at(0.9),
                at(0.99), at(1.0));
    std::printf("CPU while playing: %.2f %% of a core\n", 100.0 * cpu / wall);
    std::printf("grid playback onset error: p99 %.3f ms (goal <= 1 ms), last onset %.3f ms (goal within 1 ms)\n",
                at(0.99), errorsMs.back());
    return 0;
}
