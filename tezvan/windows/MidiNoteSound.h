#pragma once
// The main window's sound with each note also on the live MIDI output, one voice: whatever
// else it sounds (the menu's click) or a stop ends the note there too.

#include "NoteSound.h"

#include "platform/LiveMidiNotes.h"

#include <cstddef>

namespace tezvan {

class MidiNoteSound final : public NoteSound {
public:
    MidiNoteSound(NoteSound& sound, platform::LiveMidiNotes& midi) : sound_(sound), midi_(midi) {}
    // A sound beyond the fourteen notes goes out as a silence.
    void play(int index) override
    {
        sound_.play(index);
        midi_.soundedNote(std::size_t(index));
    }
    void stop() override
    {
        sound_.stop();
        midi_.silenced();
    }

private:
    NoteSound& sound_;
    platform::LiveMidiNotes& midi_;
};

} // namespace tezvan
