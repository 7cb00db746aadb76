#pragma once
// The program's two live MIDI ports, both named after it ("Tezvan"): an output that any
// synthesiser or recording program connects to, and an input a keyboard connects to. Through
// RtMidi: the ALSA sequencer on Linux, JACK (which PipeWire serves too) where the environment
// asks for it with TEZVAN_MIDI=jack, Windows' own MIDI there (which gives a program no ports of
// its own: the first device each way is opened). Where there is no MIDI system, or with
// TEZVAN_MIDI=none, the ports stay closed and nothing is said. Bytes only: what a note is in
// MIDI is LiveMidiNotes' business.

#include "MidiOutput.h"

#include <QObject>
#include <QString>
#include <memory>

namespace platform {

class MidiPorts final : public QObject, public MidiOutput {
    Q_OBJECT
public:
    explicit MidiPorts(const QString& name, QObject* parent = nullptr);
    ~MidiPorts() override;

    bool isOpen() const override; // the output
    bool inputOpen() const;
    void send(const MidiMessage& message) override;

    // Called on the input's own thread, with steadyClock() time, as each note-on arrives
    // (before it is handed to this object's thread); for the benches. Null: none.
    void setArrivalObserver(void (*observer)(qint64 steadyUs));

signals:
    // A note-on with a velocity above zero came in: its key, 0..127. Emitted on this
    // object's thread; everything else that comes in is ignored.
    void noteOnReceived(int key);

private:
    struct Ports;
    std::unique_ptr<Ports> ports_;
};

} // namespace platform
