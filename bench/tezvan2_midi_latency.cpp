// tezvan2's live MIDI in process, 1,000 notes each way: from a keyboard's note-on arriving at
// the program's input port to the note's first frame handed to the sound server, and from a
// key release to the note's note-on handed to the output port. Needs a sound server and a
// MIDI system, for example (on one line):
//   bench/with_null_sink.sh --server pipewire --no-display -- env TEZVAN_MIDI=jack
//     LD_LIBRARY_PATH=/usr/lib/x86_64-linux-gnu/pipewire-0.3/jack tezvan2_midi_latency
// Usage: tezvan2_midi_latency [SAMPLE_FOLDER [NOTES]]. Prints both p99s as its last line.

#include "BenchSupport.h"
#include "NoteOnLatency.h"

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/LiveMidiNotes.h"
#include "platform/MidiPorts.h"
#include "platform/PulseVoice.h"
#include "platform/Shell.h"
#include "tezvan2/windows/Tfrmana.h"

#include <RtMidi.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>

#include <atomic>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

class NoShell final : public platform::Shell {
public:
    void openAddress(const QUrl&) override {}
};

// Steady-clock times written from another thread: the input's, or the sound server's.
struct Stamps {
    std::vector<qint64> us;
    std::atomic<int> count{0};
    void add(qint64 t)
    {
        const int i = count.fetch_add(1);
        if (i < int(us.size()))
            us[std::size_t(i)] = t;
    }
    std::size_t size() const { return std::min<std::size_t>(std::size_t(count.load()), us.size()); }
};

Stamps arrivals;
void noteArrival(qint64 us)
{
    arrivals.add(us);
}

// The output port, noting when each note-on has been handed to it.
class TimedOutput final : public platform::MidiOutput {
public:
    explicit TimedOutput(platform::MidiOutput& port) : port_(port) {}
    bool isOpen() const override { return port_.isOpen(); }
    void send(const platform::MidiMessage& m) override
    {
        port_.send(m);
        if ((m.bytes[0] & 0xF0) == 0x90)
            noteOnsUs.push_back(platform::steadyClock().nowUs());
    }
    std::vector<qint64> noteOnsUs;

private:
    platform::MidiOutput& port_;
};

// Calls step(i) for i = 0..count-1 at a fixed spacing on the event loop, after the sound
// server's first second, then returns from the loop.
void runSpaced(int count, const std::function<void(int)>& step)
{
    platform::Clock& clock = platform::steadyClock();
    int next = 0;
    std::function<void()> tick = [&] {
        if (next == count) {
            // Late arrivals and frames come in before the loop ends.
            clock.callAt(clock.nowUs() + 300'000, [] { QCoreApplication::quit(); });
            return;
        }
        step(next++);
        clock.callAt(clock.nowUs() + 20'000, tick);
    };
    clock.callAt(clock.nowUs() + 2'000'000, tick);
    QApplication::exec();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(TEZVAN2_SAMPLE_DIR);
    const int notes = argc > 2 ? std::max(10, std::atoi(argv[2])) : 1000;
    if (!QDir::setCurrent(folder) || !platform::systemPulseVoice().connected()) {
        std::fprintf(stderr, "no sample folder %s or no sound server: run through bench/with_null_sink.sh\n",
                     qPrintable(folder));
        return 2;
    }
    platform::MidiPorts ports(QStringLiteral("Tezvan 2"));
    RtMidiOut keyboard(qgetenv("TEZVAN_MIDI") == "jack" ? RtMidi::UNIX_JACK : RtMidi::LINUX_ALSA, "bench keyboard");
    for (unsigned int i = 0; i < keyboard.getPortCount(); ++i)
        if (keyboard.getPortName(i).find("Tezvan 2") != std::string::npos)
            keyboard.openPort(i);
    if (!ports.isOpen() || !ports.inputOpen() || !keyboard.isPortOpen()) {
        std::fprintf(stderr, "no MIDI system: run with TEZVAN_MIDI=jack on a JACK server, or on ALSA\n");
        return 2;
    }
    // The hand-over from the input's thread: arrival to the GUI thread's taking the note up.
    std::vector<qint64> takenUs;
    QObject::connect(&ports, &platform::MidiPorts::noteOnReceived,
                     [&] { takenUs.push_back(platform::steadyClock().nowUs()); });
    TimedOutput output(ports);
    platform::LiveMidiNotes midi(output);
    QObject::connect(&ports, &platform::MidiPorts::noteOnReceived, &midi, &platform::LiveMidiNotes::keyReceived);
    NoShell shell;
    tezvan2::Tfrmana window(
        {platform::systemVoice(), platform::steadyClock(), platform::systemDialogs(), shell, {}, &midi});
    window.show();

    // A keyboard's notes: LA, SI, DO, RE in turn, so each starts a note of its own.
    arrivals.us.assign(std::size_t(notes), 0);
    ports.setArrivalObserver(&noteArrival);
    Stamps written;
    written.us.assign(std::size_t(notes) * 2, 0);
    platform::systemPulseVoice().setFirstFrameObserver([&](qint64 us) { written.add(us); });
    const unsigned char keys[] = {57, 59, 60, 62};
    runSpaced(notes, [&](int i) {
        const std::vector<unsigned char> on{0x90, keys[i % 4], 100};
        keyboard.sendMessage(&on);
    });
    platform::systemPulseVoice().setFirstFrameObserver({});
    ports.setArrivalObserver(nullptr);
    if (int(arrivals.size()) != notes) {
        std::printf("%d of %d note-ons arrived at the input port\n", int(arrivals.size()), notes);
        return 1;
    }
    const bench::FirstFrameTimes in = bench::matchFirstFrames(arrivals.us, written.us, written.size());
    if (in.silentNote >= 0) {
        std::printf("note %d: no frame written after it\n", in.silentNote);
        return 1;
    }

    // Key releases of the same notes (Q W E R), each to its note-on handed to the output port.
    output.noteOnsUs.clear();
    std::vector<qint64> sentUs;
    const int qtKeys[] = {Qt::Key_Q, Qt::Key_W, Qt::Key_E, Qt::Key_R};
    runSpaced(notes, [&](int i) {
        QKeyEvent press(QEvent::KeyPress, qtKeys[i % 4], Qt::NoModifier);
        QApplication::sendEvent(&window, &press);
        QKeyEvent release(QEvent::KeyRelease, qtKeys[i % 4], Qt::NoModifier);
        sentUs.push_back(platform::steadyClock().nowUs());
        QApplication::sendEvent(&window, &release);
    });
    if (output.noteOnsUs.size() != sentUs.size()) {
        std::printf("%zu note-ons sent for %zu keys\n", output.noteOnsUs.size(), sentUs.size());
        return 1;
    }
    std::vector<double> outMs;
    for (std::size_t i = 0; i < sentUs.size(); ++i)
        outMs.push_back(double(output.noteOnsUs[i] - sentUs[i]) / 1000.0);

    std::vector<double> handOverMs;
    for (std::size_t i = 0; i < takenUs.size() && i < arrivals.size(); ++i)
        handOverMs.push_back(double(takenUs[i] - arrivals.us[i]) / 1000.0);
    std::printf("hand-over from the input's thread to the GUI thread: median %.3f ms, p99 %.3f ms, max %.3f ms\n",
                bench::percentile(handOverMs, 0.5), bench::percentile(handOverMs, 0.99),
                bench::percentile(handOverMs, 1.0));
    std::printf("note-on in to first frame written, %d notes: median %.3f ms, max %.3f ms "
                "(cut off before their first frame: %d)\n",
                notes, bench::percentile(in.ms, 0.5), bench::percentile(in.ms, 1.0), in.superseded);
    std::printf("key release to note-on out, %d notes: median %.3f ms, max %.3f ms\n", notes,
                bench::percentile(outMs, 0.5), bench::percentile(outMs, 1.0));
    std::printf("tezvan2 live MIDI, %d notes each way: note-on in to first frame written p99 %.3f ms; "
                "key to note-on out p99 %.3f ms\n",
                notes, bench::percentile(in.ms, 0.99), bench::percentile(outMs, 0.99));
    return 0;
}
