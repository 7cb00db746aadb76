#pragma once
// The fundamental of a plucked note, measured on its sustained part (after the attack),
// by the cumulative mean normalised difference of the waveform (the YIN method), so an
// octave string or a bright attack does not pull it to a harmonic.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace saz {

// Frequency in Hz of samples[from, from + length) at `rate`, searched between minHz and
// maxHz; 0 when no period stands out.
double estimatePitch(const std::vector<std::int16_t>& samples, int rate, std::size_t from, std::size_t length,
                     double minHz = 60.0, double maxHz = 2000.0);

} // namespace saz
