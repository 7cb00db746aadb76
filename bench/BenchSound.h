#pragma once
// A test note for the benches: a decaying tone with an instant attack, so its onset is
// easy to find in a recording. Built as a RIFF/WAVE image and prepared like any sample.

#include "BenchSupport.h"

#include "platform/PreparedSound.h"
#include "platform/WaveFile.h"

#include <cmath>
#include <vector>

namespace bench {

inline platform::SoundPtr testNote(double hz = 440.0, double seconds = 0.3, int rate = 11025)
{
    std::vector<qint16> samples(std::size_t(seconds * rate));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = double(i) / rate;
        const double v = 20000.0 * std::exp(-t * 12.0) * std::sin(2 * M_PI * hz * t + M_PI / 2);
        samples[i] = qint16(std::lround(v));
    }
    return platform::prepareSound(platform::waveFileImage(samples, rate));
}

} // namespace bench
