#include "LiveMidiNotes.h"

namespace platform {

LiveMidiNotes::LiveMidiNotes(MidiOutput& output, QObject* parent)
    : QObject(parent), output_(output), open_(output.isOpen())
{
    if (!open_)
        return;
    for (const MidiMessage& m : bendRangeSetup())
        output_.send(m);
}

LiveMidiNotes::~LiveMidiNotes()
{
    silenced();
}

void LiveMidiNotes::setNotePitches(const std::vector<double>& noteHz)
{
    noteHz_ = noteHz;
    notePitches_.clear();
    for (double hz : noteHz_)
        notePitches_.push_back(midiPitchOf(hz));
}

void LiveMidiNotes::soundedNote(std::size_t note)
{
    sounded(note < notePitches_.size() ? std::optional(notePitches_[note]) : std::nullopt);
}

void LiveMidiNotes::sounded(std::optional<MidiPitch> pitch)
{
    // Where there is no MIDI system a note costs this test alone.
    if (!open_)
        return;
    silenced();
    if (!pitch)
        return;
    for (const MidiMessage& m : noteOnWithBend(*pitch))
        output_.send(m);
    soundingKey_ = pitch->key;
}

void LiveMidiNotes::silenced()
{
    if (!soundingKey_)
        return;
    output_.send(noteOff(*soundingKey_));
    soundingKey_.reset();
}

void LiveMidiNotes::keyReceived(int key)
{
    if (const std::optional<std::size_t> note = nearestNoteOfKey(noteHz_, key))
        emit notePlayed(int(*note));
}

} // namespace platform
