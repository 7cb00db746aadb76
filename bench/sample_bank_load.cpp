// How long tezvan's built-in sample bank takes to load (read the resource, check every
// sample, prepare it for the voice): part of every start of the program.
// Prints the median and the slowest of 30 loads, the figure last.
#include "BenchSupport.h"

#include "tezvan/core/SampleBank.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <vector>

namespace {
class NoVoice final : public platform::Voice {
public:
    bool start(const platform::SoundPtr&) override { return false; }
    void stop() override {}
};
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    NoVoice voice;
    std::vector<double> ms;
    for (int i = 0; i < 30; ++i) {
        tezvan::SampleBank bank(voice);
        QElapsedTimer t;
        t.start();
        bank.loadBuiltIn();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::printf("sample bank load, 16 sounds, 30 loads: median %.2f ms, slowest %.2f ms\n",
                bench::percentile(ms, 0.5), bench::percentile(ms, 1.0));
    return 0;
}
