#include "WaveFile.h"

#include <QtEndian>
#include <stdexcept>

namespace platform {
namespace {

void putU16(QByteArray& b, quint16 v)
{
    char raw[2];
    qToLittleEndian(v, raw);
    b.append(raw, 2);
}

void putU32(QByteArray& b, quint32 v)
{
    char raw[4];
    qToLittleEndian(v, raw);
    b.append(raw, 4);
}

void putChunkHeader(QByteArray& b, const QByteArray& id, qsizetype bodyBytes)
{
    if (id.size() != 4)
        throw std::invalid_argument("a chunk id has four characters");
    b.append(id);
    putU32(b, quint32(bodyBytes));
}

} // namespace

QByteArray waveFileImage(std::span<const qint16> samples, int rate, int channels,
                         const std::vector<WaveChunk>& trailing)
{
    const qsizetype dataBytes = qsizetype(samples.size()) * 2;
    qsizetype trailingBytes = 0;
    for (const WaveChunk& c : trailing)
        trailingBytes += 8 + c.body.size() + (c.body.size() & 1);

    QByteArray image;
    image.reserve(44 + dataBytes + trailingBytes);
    image.append("RIFF", 4);
    putU32(image, quint32(36 + dataBytes + trailingBytes));
    image.append("WAVE", 4);

    const int blockAlign = channels * 2;
    putChunkHeader(image, QByteArrayLiteral("fmt "), 16);
    putU16(image, 1); // PCM
    putU16(image, quint16(channels));
    putU32(image, quint32(rate));
    putU32(image, quint32(rate * blockAlign));
    putU16(image, quint16(blockAlign));
    putU16(image, 16);

    putChunkHeader(image, QByteArrayLiteral("data"), dataBytes);
    const qsizetype dataAt = image.size();
    image.resize(dataAt + dataBytes);
    if (dataBytes > 0)
        qToLittleEndian<qint16>(samples.data(), qsizetype(samples.size()), image.data() + dataAt);

    for (const WaveChunk& c : trailing) {
        putChunkHeader(image, c.id, c.body.size());
        image.append(c.body);
        if (c.body.size() & 1)
            image.append('\0');
    }
    return image;
}

} // namespace platform
