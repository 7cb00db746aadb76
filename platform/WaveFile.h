#pragma once
// The one writer of RIFF/WAVE file images: 16-bit PCM, for the offline renders, the sample
// tools, the benches and the tests. Reading a file is PreparedSound's job, not this one's.

#include <QByteArray>
#include <QtGlobal>
#include <span>
#include <vector>

namespace platform {

// A chunk written after the sound data ("fact", "LIST"): a four-character id and its body.
struct WaveChunk {
    QByteArray id;
    QByteArray body;
};

// "RIFF", its size, "WAVE", a 16-byte "fmt " chunk (PCM, channels, rate, 16 bits), the
// "data" chunk holding the samples (frames of `channels` interleaved samples), then the
// trailing chunks in order, each padded to an even length. With no trailing chunks this
// is the plain 44-byte header followed by the sound.
QByteArray waveFileImage(std::span<const qint16> samples, int rate, int channels = 1,
                         const std::vector<WaveChunk>& trailing = {});

} // namespace platform
