#pragma once
// A program's notes on its live MIDI ports, one voice as its sound is: each note it sounds
// goes out at its pitch (bend, then key) after the note-off of the note it cuts off, and a
// silence ends the sounding note; a keyboard's note-on becomes the program's note nearest in
// pitch. Which note sounds when is the program's business; the ports are MidiPorts'.

#include "MidiOutput.h"
#include "MidiPitch.h"

#include <QObject>
#include <optional>
#include <vector>

namespace platform {

class LiveMidiNotes final : public QObject {
    Q_OBJECT
public:
    // The bend range goes out now, once: the output has just been opened.
    explicit LiveMidiNotes(MidiOutput& output, QObject* parent = nullptr);
    // Ends the sounding note, so no synthesiser holds it after the program is gone.
    ~LiveMidiNotes() override;

    // False where there is no MIDI system: a program then need not work out a note's pitch.
    bool isOpen() const { return open_; }

    // The program's notes' pitches, in the order soundedNote() and notePlayed() number them.
    void setNotePitches(const std::vector<double>& noteHz);

    // A sound started, cutting off what sounded: a note of the program's (numbered as above),
    // or a sound with the pitch given; a sound that is no note goes out as a silence.
    void soundedNote(std::size_t note);
    void sounded(std::optional<MidiPitch> pitch);
    // The sound was stopped.
    void silenced();

    // A note-on's key from the input (MidiPorts::noteOnReceived).
    void keyReceived(int key);

signals:
    // A keyboard played the program's note (numbered as above): play it as its key would.
    void notePlayed(int note);

private:
    MidiOutput& output_;
    bool open_;
    std::vector<double> noteHz_;
    std::vector<MidiPitch> notePitches_;
    std::optional<int> soundingKey_;
};

} // namespace platform
