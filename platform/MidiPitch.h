#pragma once
// A note's pitch as MIDI speaks it: the nearest key plus a 14-bit pitch bend for the rest,
// on one channel, with the bend range set to ±2 semitones; and the few channel messages the
// programs send (bend range, note-on with its bend, note-off, program change). The bytes
// only: files and ports carry them; which note sounds when is the program's business.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace platform {

constexpr int kMidiChannel = 0;            // every note goes out on the first channel
constexpr int kMidiBendCentre = 8192;      // a bend that leaves the key as it is
constexpr int kMidiBendRangeSemitones = 2; // what the bend range setup asks
constexpr int kMidiVelocity = 100;         // one strength for every note: a sample has one

struct MidiPitch {
    int key;  // 0..127, 69 = A4 = 440 Hz
    int bend; // 0..16383, 8192 = none, ±8192 = ±2 semitones
};

// The nearest key to hz and the bend for the rest (within 0.03 cents of hz inside the
// keyboard's range; clamped to it outside).
MidiPitch midiPitchOf(double hz);

// The frequency a pitch asks for; the inverse of midiPitchOf.
double hzOfMidiPitch(MidiPitch pitch);

// One channel message, in its bytes (one to three); no allocation, so a note can go out
// from a time-critical path.
struct MidiMessage {
    std::array<std::uint8_t, 3> bytes{};
    std::uint8_t size = 0;

    const std::uint8_t* data() const { return bytes.data(); }
};

// The bend range setup, sent once at the start of every file and stream: RPN 0 (pitch bend
// sensitivity) = 2 semitones 0 cents, then the null RPN so no later data entry changes it.
std::array<MidiMessage, 6> bendRangeSetup();

// A note: its bend first, then its key (so the note starts at its pitch).
std::array<MidiMessage, 2> noteOnWithBend(MidiPitch pitch);

MidiMessage noteOff(int key);

// A General MIDI program, numbered from 1 as the General MIDI list numbers them.
MidiMessage programChange(int generalMidiProgram);

// The index of the note (of the program's note pitches, in Hz) nearest in pitch to a MIDI
// key; nothing when every note is more than a semitone away. On a tie the first one wins.
std::optional<std::size_t> nearestNoteOfKey(std::span<const double> noteHz, int key);

} // namespace platform
