#pragma once
// Small RIFF/WAVE images written by the tests themselves: a given number of frames of
// 16-bit mono at 44100 Hz, each frame holding one value, so a test can tell samples apart.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

namespace tezvan2_tests {

inline QByteArray waveImage(int frames, qint16 value)
{
    auto u32 = [](QByteArray& b, quint32 v) {
        char d[4];
        qToLittleEndian(v, d);
        b.append(d, 4);
    };
    auto u16 = [](QByteArray& b, quint16 v) {
        char d[2];
        qToLittleEndian(v, d);
        b.append(d, 2);
    };
    QByteArray b("RIFF");
    u32(b, quint32(36 + frames * 2));
    b.append("WAVEfmt ");
    u32(b, 16);
    u16(b, 1);
    u16(b, 1);
    u32(b, 44100);
    u32(b, 88200);
    u16(b, 2);
    u16(b, 16);
    b.append("data");
    u32(b, quint32(frames * 2));
    for (int i = 0; i < frames; ++i)
        u16(b, quint16(value));
    return b;
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace tezvan2_tests
