#include "MidiPitch.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

constexpr int kBendPerSemitone = kMidiBendCentre / kMidiBendRangeSemitones;

double semitonesFromA4(double hz)
{
    return 12.0 * std::log2(hz / 440.0);
}

std::uint8_t dataByte(int value)
{
    return std::uint8_t(std::clamp(value, 0, 127));
}

MidiMessage message(int status, int a, int b)
{
    return MidiMessage{{std::uint8_t(status | kMidiChannel), dataByte(a), dataByte(b)}, 3};
}

MidiMessage controlChange(int controller, int value)
{
    return message(0xB0, controller, value);
}

} // namespace

MidiPitch midiPitchOf(double hz)
{
    const double key = 69.0 + semitonesFromA4(hz);
    const int nearest = std::clamp(int(std::lround(key)), 0, 127);
    const long bend = std::lround((key - nearest) * kBendPerSemitone) + kMidiBendCentre;
    return {nearest, int(std::clamp(bend, 0L, 16383L))};
}

double hzOfMidiPitch(MidiPitch pitch)
{
    const double key = pitch.key + double(pitch.bend - kMidiBendCentre) / kBendPerSemitone;
    return 440.0 * std::exp2((key - 69.0) / 12.0);
}

std::array<MidiMessage, 6> bendRangeSetup()
{
    return {controlChange(101, 0),
            controlChange(100, 0), // select RPN 0
            controlChange(6, kMidiBendRangeSemitones),
            controlChange(38, 0), // semitones, cents
            controlChange(101, 127),
            controlChange(100, 127)}; // deselect
}

std::array<MidiMessage, 2> noteOnWithBend(MidiPitch pitch)
{
    return {message(0xE0, pitch.bend & 0x7F, pitch.bend >> 7), message(0x90, pitch.key, kMidiVelocity)};
}

MidiMessage noteOff(int key)
{
    return message(0x80, key, 0);
}

MidiMessage programChange(int generalMidiProgram)
{
    return MidiMessage{{std::uint8_t(0xC0 | kMidiChannel), dataByte(generalMidiProgram - 1), 0}, 2};
}

std::optional<std::size_t> nearestNoteOfKey(std::span<const double> noteHz, int key)
{
    std::optional<std::size_t> best;
    double bestDistance = 1.0 + 1e-9; // a semitone, with room for rounding
    for (std::size_t i = 0; i < noteHz.size(); ++i) {
        const double distance = std::abs(69.0 + semitonesFromA4(noteHz[i]) - key);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace platform
