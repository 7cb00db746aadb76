// Exporting a take of 1,000 notes as a MIDI file, in each program, as --export-midi does it:
// read the note file, play it through offline, write the MIDI file. The median of seven runs
// of each; prints the slower program's time last (goal: under 50 ms).
#include "tezvan/core/TakeMidi.h"
#include "tezvan2/core/NotaMidi.h"

#include "platform/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kNotes = 1000;

double medianMs(const std::function<int()>& run)
{
    std::vector<double> ms;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer t;
        t.start();
        if (run() != 0)
            std::fprintf(stderr, "the export failed\n");
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

// A record of the ".nota" file: length and five bytes of the name, then of the duration.
QByteArray notaRecord(const QByteArray& name, const QByteArray& duration)
{
    return char(name.size()) + name.leftJustified(5, '\0') + char(duration.size()) + duration.leftJustified(5, '\0');
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QByteArray tnl, nota;
    const std::vector<QByteArray> names{"SIB2", "LA-", "SIB5", "FAD", "RE", "SOL+", "DO-", "es"};
    for (int i = 0; i < kNotes; ++i) {
        tnl += QByteArray::number(i % 13).rightJustified(2, '0') + '=' + QByteArray::number(120 + (i * 37) % 200)
            + "\r\n";
        nota += notaRecord(names[std::size_t(i) % names.size()], QByteArray::number(120 + (i * 37) % 200));
    }
    nota += notaRecord("", "");
    platform::writeWholeFile(dir.filePath(QStringLiteral("take.tnl")), tnl);
    platform::writeWholeFile(dir.filePath(QStringLiteral("take.nota")), nota);

    const double tezvanMs = medianMs([&] {
        return tezvan::exportMidiCommand(dir.filePath(QStringLiteral("take.tnl")),
                                         dir.filePath(QStringLiteral("tezvan.mid")));
    });
    QDir::setCurrent(QStringLiteral(TEZVAN2_SAMPLE_DIR));
    const double tezvan2Ms = medianMs([&] {
        return tezvan2::exportMidiCommand(dir.filePath(QStringLiteral("take.nota")),
                                          dir.filePath(QStringLiteral("tezvan2.mid")));
    });
    std::printf("tezvan: %d-note take exported as MIDI in %.1f ms\n", kNotes, tezvanMs);
    std::printf("tezvan2: %d-note take exported as MIDI in %.1f ms\n", kNotes, tezvan2Ms);
    std::printf("MIDI export of a %d-note take (slower program, median of 7): %.1f ms\n", kNotes,
                std::max(tezvanMs, tezvan2Ms));
    return 0;
}
