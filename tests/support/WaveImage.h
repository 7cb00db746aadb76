#pragma once
// Small RIFF/WAVE images written by the tests themselves: a given number of frames of
// 16-bit mono at 44100 Hz, each frame holding one value, so a test can tell samples apart.

#include "platform/WaveFile.h"

#include <QByteArray>
#include <vector>

namespace testing_support {

inline QByteArray waveImage(int frames, qint16 value)
{
    return platform::waveFileImage(std::vector<qint16>(std::size_t(frames), value), 44100);
}

} // namespace testing_support
