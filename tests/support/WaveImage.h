#pragma once
// Small RIFF/WAVE images written by the tests themselves: a given number of frames of
// 16-bit mono at 44100 Hz, each frame holding one value, so a test can tell samples apart.

#include "platform/WaveFile.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <vector>

namespace testing_support {

inline QByteArray waveImage(int frames, qint16 value)
{
    return platform::waveFileImage(std::vector<qint16>(std::size_t(frames), value), 44100);
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace testing_support
