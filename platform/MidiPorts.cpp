#include "MidiPorts.h"

#include "Clock.h"

#include <RtMidi.h>

#include <QByteArray>

#include <atomic>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace platform {
namespace {

// TEZVAN_MIDI=jack or none; otherwise the platform's own MIDI system.
std::optional<RtMidi::Api> chosenApi()
{
    const QByteArray asked = qgetenv("TEZVAN_MIDI").toLower();
    if (asked == "none")
        return std::nullopt;
    if (asked == "jack")
        return RtMidi::UNIX_JACK;
#if defined(_WIN32)
    return RtMidi::WINDOWS_MM;
#else
    // Without the sequencer's device ALSA's own library would print its failure on stderr.
    if (access("/dev/snd/seq", R_OK | W_OK) != 0)
        return std::nullopt;
    return RtMidi::LINUX_ALSA;
#endif
}

// RtMidi prints a failure on std::cerr while it constructs, before an error callback can
// be set: none of it reaches the user, who has no MIDI system to hear about.
class QuietCerr {
public:
    QuietCerr() : saved_(std::cerr.rdbuf(nullptr)) {}
    ~QuietCerr() { std::cerr.rdbuf(saved_); }
    QuietCerr(const QuietCerr&) = delete;
    QuietCerr& operator=(const QuietCerr&) = delete;

private:
    std::streambuf* saved_;
};

// Every report of RtMidi's comes here instead of stderr; one while opening means the end
// cannot be used.
void noteFailure(RtMidiError::Type type, const std::string&, void* failed)
{
    if (type != RtMidiError::DEBUG_WARNING)
        static_cast<std::atomic<bool>*>(failed)->store(true);
}

// Windows offers no ports of a program's own: the first device is opened instead, but
// never the system's own synthesiser as output, which would double every note.
bool openFirstDevice(RtMidiIn& in, const std::string& name)
{
    if (in.getPortCount() == 0)
        return false;
    in.openPort(0, name);
    return true;
}

bool openFirstDevice(RtMidiOut& out, const std::string& name)
{
    for (unsigned int i = 0; i < out.getPortCount(); ++i)
        if (out.getPortName(i).find("GS Wavetable") == std::string::npos) {
            out.openPort(i, name);
            return true;
        }
    return false;
}

// One end (RtMidiIn or RtMidiOut) with its port open; null where it cannot be had.
template <typename End>
std::unique_ptr<End> openEnd(RtMidi::Api api, const std::string& name, std::atomic<bool>& failed)
{
    std::unique_ptr<End> end;
    try {
        const QuietCerr quiet;
        end = std::make_unique<End>(api, name);
        end->setErrorCallback(&noteFailure, &failed);
        // Without a server JACK only warns at construction (and a port would then crash
        // RtMidi); asking for the ports repeats the warning, now to the callback.
        end->getPortCount();
        if (failed)
            return nullptr;
        if (api == RtMidi::WINDOWS_MM) {
            if (!openFirstDevice(*end, name))
                return nullptr;
        } else {
            end->openVirtualPort(name);
        }
    } catch (const RtMidiError&) {
        return nullptr;
    }
    if (failed)
        return nullptr;
    return end;
}

} // namespace

struct MidiPorts::Ports {
    MidiPorts* owner;
    std::atomic<bool> outFailed{false};
    std::atomic<bool> inFailed{false};
    std::atomic<void (*)(qint64)> arrivalObserver{nullptr};
    std::unique_ptr<RtMidiOut> out;
    std::unique_ptr<RtMidiIn> in; // last: it goes first, so no callback outlives the rest

    // On the input's thread: a note-on goes to the owner's thread as a queued call, which
    // neither blocks this thread nor has the GUI thread poll.
    static void received(double, std::vector<unsigned char>* message, void* self)
    {
        const auto& bytes = *message;
        if (bytes.size() < 3 || (bytes[0] & 0xF0) != 0x90 || bytes[2] == 0)
            return;
        auto* ports = static_cast<Ports*>(self);
        if (auto* observer = ports->arrivalObserver.load())
            observer(steadyClock().nowUs());
        MidiPorts* owner = ports->owner;
        const int key = bytes[1];
        QMetaObject::invokeMethod(
            owner, [owner, key] { emit owner->noteOnReceived(key); }, Qt::QueuedConnection);
    }
};

MidiPorts::MidiPorts(const QString& name, QObject* parent) : QObject(parent), ports_(std::make_unique<Ports>())
{
    ports_->owner = this;
    const std::optional<RtMidi::Api> api = chosenApi();
    if (!api)
        return;
    const std::string portName = name.toStdString();
    ports_->out = openEnd<RtMidiOut>(*api, portName, ports_->outFailed);
    ports_->in = openEnd<RtMidiIn>(*api, portName, ports_->inFailed);
    if (ports_->in)
        ports_->in->setCallback(&Ports::received, ports_.get());
}

MidiPorts::~MidiPorts()
{
    // The input's thread ends before the object its notes are queued to.
    ports_->in.reset();
}

bool MidiPorts::isOpen() const
{
    return ports_->out != nullptr;
}

bool MidiPorts::inputOpen() const
{
    return ports_->in != nullptr;
}

void MidiPorts::send(const MidiMessage& message)
{
    if (ports_->out)
        ports_->out->sendMessage(message.data(), message.size);
}

void MidiPorts::setArrivalObserver(void (*observer)(qint64 steadyUs))
{
    ports_->arrivalObserver = observer;
}

} // namespace platform
