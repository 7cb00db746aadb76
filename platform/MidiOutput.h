#pragma once
// Where the program's MIDI messages go: its output port, or a bench's or test's stand-in.
// Sending must not block: notes go out from the GUI thread at the moment they sound.

#include "MidiPitch.h"

namespace platform {

class MidiOutput {
public:
    virtual ~MidiOutput() = default;
    // False where there is no MIDI system: then nothing is worth encoding.
    virtual bool isOpen() const = 0;
    // One message; dropped when the output is closed.
    virtual void send(const MidiMessage& message) = 0;
};

} // namespace platform
