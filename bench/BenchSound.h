#pragma once
// A test note for the benches: a decaying tone with an instant attack, so its onset is
// easy to find in a recording. Built as a RIFF/WAVE image and prepared like any sample.

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
    auto u32 = [](quint32 v) { char b[4]; qToLittleEndian(v, b); return QByteArray(b, 4); };
    auto u16 = [](quint16 v) { char b[2]; qToLittleEndian(v, b); return QByteArray(b, 2); };
    const QByteArray image = QByteArray("RIFF") + u32(quint32(36 + data.size())) + QByteArray("WAVEfmt ")
        + u32(16) + u16(1) + u16(1) + u32(quint32(rate)) + u32(quint32(rate * 2)) + u16(2) + u16(16)
        + QByteArray("data") + u32(quint32(data.size())) + data;
    return platform::prepareSound(image);
}

} // namespace bench
