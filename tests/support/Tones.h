#pragma once
// Tones a test writes and measures: a sine of a given level, and the level of one
// frequency in a sound, through a Hann window (the Goertzel sum).

#include <QtGlobal>

#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace testing_support {

// frames samples of a sine of amplitude level at the given rate.
inline std::vector<double> sine(int rate, int frames, double level, double hz = 440.0)
{
    std::vector<double> v(static_cast<std::size_t>(frames));
    for (int i = 0; i < frames; ++i)
        v[std::size_t(i)] = level * std::sin(2 * std::numbers::pi * hz * i / rate);
    return v;
}

// The amplitude of hz in length samples from from (fewer where the sound ends first),
// Hann-windowed so that neighbouring frequencies leak little into it.
inline double levelAt(const std::vector<qint16>& pcm, std::size_t from, std::size_t length, double hz, double rate)
{
    std::complex<double> sum = 0;
    for (std::size_t i = 0; i < length && from + i < pcm.size(); ++i) {
        const double w = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(i) / double(length - 1));
        sum += w * double(pcm[from + i]) * std::polar(1.0, -2 * std::numbers::pi * hz * double(i) / rate);
    }
    return std::abs(sum);
}

} // namespace testing_support
