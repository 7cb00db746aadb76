// How long tezvan's built-in sample bank takes to load (read the resource, check every
// sample, prepare it for the voice): part of every start of the program.
// With a folder as argument, also how long preparing every ".wbs" file in it takes (the
// files read into memory beforehand): what tezvan2 does before a note's first sound.
// Prints the median and the slowest of 30 loads, the figure last.
#include "BenchSupport.h"

#include "platform/PreparedSound.h"
#include "tezvan/core/SampleBank.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <vector>

namespace {
class NoVoice final : public platform::Voice {
public:
    bool start(const platform::SoundPtr&) override { return false; }
    void stop() override {}
};

// 30 runs of work, in milliseconds each.
template <typename Work> std::vector<double> timed(Work work)
{
    std::vector<double> ms;
    for (int i = 0; i < 30; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return ms;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc > 1) {
        const QDir folder(QString::fromLocal8Bit(argv[1]));
        std::vector<QByteArray> images;
        for (const QString& name : folder.entryList({QStringLiteral("*.wbs")}, QDir::Files)) {
            QFile f(folder.filePath(name));
            if (f.open(QIODevice::ReadOnly))
                images.push_back(f.readAll());
        }
        int prepared = 0;
        const std::vector<double> ms = timed([&] {
            prepared = 0;
            for (const QByteArray& image : images)
                prepared += platform::prepareSound(image) != nullptr;
        });
        std::printf(".wbs samples prepared, %d of %zu files, 30 runs: median %.2f ms, slowest %.2f ms\n", prepared,
                    images.size(), bench::percentile(ms, 0.5), bench::percentile(ms, 1.0));
    }
    NoVoice voice;
    const std::vector<double> ms = timed([&] {
        tezvan::SampleBank bank(voice);
        bank.loadBuiltIn();
    });
    std::printf("sample bank load, 16 sounds, 30 loads: median %.2f ms, slowest %.2f ms\n",
                bench::percentile(ms, 0.5), bench::percentile(ms, 1.0));
    return 0;
}
