#pragma once
// A test note for the benches: a decaying tone with an instant attack, so its onset is
// easy to find in a recording. Built as a RIFF/WAVE image and prepared like any sample.

#include "BenchSupport.h"

#include "platform/PreparedSound.h"

#include <QByteArray>
#include <QtEndian>
#include <cmath>

namespace bench {

inline platform::SoundPtr testNote(double hz = 440.0, double seconds = 0.3, int rate = 11025)
{
    const int frames = int(seconds * rate);
    QByteArray data(frames * 2, '\0');
    for (int i = 0; i < frames; ++i) {
        const double t = double(i) / rate;
        const double v = 20000.0 * std::exp(-t * 12.0) * std::sin(2 * M_PI * hz * t + M_PI / 2);
        qToLittleEndian(qint16(std::lround(v)), data.data() + i * 2);
    }
    return platform::prepareSound(monoWaveImage(rate, data));
}

} // namespace bench
