// Shifting every time of a 1,000,000-entry take up by the step in tezvan's main window,
// from the command until the window has painted again; then how quickly the window answers
// right after (a recorded note appended, until painted) and the undo of the shift. Runs
// offscreen. Prints the shift time last.
#include "BenchSupport.h"

#include "tezvan/core/NoteFile.h"
#include "tezvan/windows/NoteSound.h"
#include "tezvan/windows/TForm1.h"

#include "platform/Clock.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QListView>
#include <cstdio>
#include <vector>

namespace {

class SilentSound final : public tezvan::NoteSound {
public:
    void play(int) override {}
    void stop() override {}
};

// Any box during the bench is a failure: it counts them.
class CountingDialogs final : public platform::Dialogs {
public:
    int shown = 0;
    bool ask(QWidget*, const QString&, const QString&, Icon) override { return ++shown, true; }
    void tell(QWidget*, const QString&, const QString&, Icon) override { ++shown; }
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return {}; }
    std::optional<QColor> chooseColour(QWidget*, const QColor&, const QList<QColor>&) override { return {}; }
    std::optional<QString> inputText(QWidget*, const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
};

double msSince(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int kEntries = 1'000'000;

    QStringList entries;
    entries.reserve(kEntries);
    for (int i = 0; i < kEntries; ++i)
        entries << tezvan::noteEntryText(i % 14, (i * 37) % 2000);

    SilentSound sound;
    CountingDialogs dialogs;
    tezvan::TForm1 window(sound, platform::steadyClock(), dialogs);
    window.show();
    window.mnlisteExecute();
    // The take is the window's alone, as after Open: no copy shares its texts.
    QStringList lines = tezvan::visibleLinesOf(entries);
    window.noteLists().replaceAll(std::move(entries), std::move(lines));
    window.grab();
    auto* up = window.findChild<QAction*>(QStringLiteral("mnt1"));
    auto* undo = window.findChild<QAction*>(QStringLiteral("mngerial"));

    std::vector<double> shifts;
    std::vector<double> shiftCpu;
    std::vector<double> undos;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer t;
        t.start();
        const double c0 = bench::cpuSeconds();
        up->trigger();
        window.grab();
        shifts.push_back(msSince(t));
        shiftCpu.push_back((bench::cpuSeconds() - c0) * 1e3);
        t.restart();
        undo->trigger();
        window.grab();
        undos.push_back(msSince(t));
    }
    up->trigger();
    const QString last = window.noteLists().entry(kEntries - 1);
    if (dialogs.shown != 0
        || last != tezvan::noteEntryText((kEntries - 1) % 14, ((kEntries - 1) * 37) % 2000 + 500)) {
        std::fprintf(stderr, "the shift went wrong: %d boxes, last entry %s\n", dialogs.shown, qPrintable(last));
        return 1;
    }

    // Right after the shift: a note recorded onto the million, until painted.
    auto* list = window.findChild<QListView*>(QStringLiteral("ListBox1"));
    window.findChild<QCheckBox*>(QStringLiteral("oto_kayit"))->setChecked(true);
    QElapsedTimer t;
    t.start();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 38, 0, 0, QStringLiteral("a"));
    QApplication::sendEvent(list, &press);
    window.grab();
    const double noteMs = msSince(t);

    std::printf("entries: %d\n", kEntries);
    std::printf("note recorded right after the shift, until painted: %.1f ms\n", noteMs);
    std::printf("undo of the shift, until painted: median %.1f ms\n", bench::percentile(undos, 0.5));
    std::printf("shift runs, cpu time: median %.1f ms\n", bench::percentile(shiftCpu, 0.5));
    std::printf("shift runs: %.1f %.1f %.1f %.1f %.1f ms\n", shifts[0], shifts[1], shifts[2], shifts[3], shifts[4]);
    std::printf("shift 1000000 entries up until painted: median %.1f ms (goal <= 200 ms)\n",
                bench::percentile(shifts, 0.5));
    return 0;
}
