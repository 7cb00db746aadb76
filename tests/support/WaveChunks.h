#pragma once
// Builds RIFF/WAVE file images for tests chunk by chunk, so damaged and unusual files
// are as easy to write as plain ones, and reads a 16-bit file back on its own, walking its
// chunks. A plain, sound file is platform::waveFileImage's.

#include "platform/WaveFile.h"

#include <QByteArray>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace testing_support {

inline QByteArray le32(quint32 v)
{
    char raw[4];
    qToLittleEndian(v, raw);
    return QByteArray(raw, 4);
}

inline QByteArray le16(quint16 v)
{
    char raw[2];
    qToLittleEndian(v, raw);
    return QByteArray(raw, 2);
}

inline QByteArray chunk(const char* tag, const QByteArray& body)
{
    QByteArray c = QByteArray(tag, 4) + le32(quint32(body.size())) + body;
    if (body.size() & 1)
        c.append('\0');
    return c;
}

inline QByteArray fmtBody(int channels, int rate, int bits, int formatTag = 1)
{
    const int align = channels * bits / 8;
    return le16(quint16(formatTag)) + le16(quint16(channels)) + le32(quint32(rate)) + le32(quint32(rate * align))
        + le16(quint16(align)) + le16(quint16(bits));
}

inline QByteArray riff(const QByteArray& chunks)
{
    return QByteArray("RIFF") + le32(quint32(4 + chunks.size())) + QByteArray("WAVE") + chunks;
}

inline QByteArray pcm16(const std::vector<qint16>& samples)
{
    QByteArray b;
    for (qint16 s : samples)
        b += le16(quint16(s));
    return b;
}

// WAVE_FORMAT_EXTENSIBLE: the real format tag (1 PCM, 3 float) in the sub-format GUID.
inline QByteArray extensibleFmtBody(int channels, int rate, int bits, int subTag = 1)
{
    static const char kGuidTail[] = "\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71";
    return fmtBody(channels, rate, bits, 0xFFFE) + le16(22) + le16(quint16(bits)) + le32(channels == 2 ? 3 : 4)
        + le16(quint16(subTag)) + QByteArray(kGuidTail, 14);
}

// Samples given in full scale (1.0 = 16-bit's 32768) as the data of a file of that
// format: tag 1 (integer PCM, 8 bits unsigned) or 3 (IEEE float).
inline QByteArray encoded(const std::vector<double>& samples, int tag, int bits)
{
    QByteArray b;
    for (double v : samples) {
        if (tag == 3 && bits == 32) {
            const float f = float(v);
            quint32 raw;
            std::memcpy(&raw, &f, 4);
            b += le32(raw);
        } else if (tag == 3) {
            quint64 raw;
            std::memcpy(&raw, &v, 8);
            b += le32(quint32(raw)) + le32(quint32(raw >> 32));
        } else if (bits == 8) {
            b += char(quint8(std::lround(std::clamp(v * 128.0 + 128.0, 0.0, 255.0))));
        } else {
            const double scale = std::ldexp(1.0, bits - 1);
            const qint64 i = std::llround(std::clamp(v * scale, -scale, scale - 1));
            for (int byte = 0; byte < bits / 8; ++byte)
                b += char(quint8(quint64(i) >> (8 * byte)));
        }
    }
    return b;
}

// A plain 44-byte-header file: "fmt " then "data", nothing else.
inline QByteArray wave16(int channels, int rate, const std::vector<qint16>& samples)
{
    return platform::waveFileImage(samples, rate, channels);
}

// The format and the 16-bit frames of a RIFF/WAVE image, as its "fmt " and "data" chunks say.
struct Pcm {
    int rate = 0;
    int channels = 0;
    int bits = 0;
    std::vector<qint16> frames;
};

inline Pcm readPcm(const QByteArray& wave)
{
    Pcm pcm;
    qsizetype at = 12;
    while (at + 8 <= wave.size()) {
        const QByteArray tag = wave.mid(at, 4);
        const qsizetype size = qFromLittleEndian<quint32>(wave.constData() + at + 4);
        const char* body = wave.constData() + at + 8;
        if (tag == "fmt ") {
            pcm.channels = qFromLittleEndian<quint16>(body + 2);
            pcm.rate = int(qFromLittleEndian<quint32>(body + 4));
            pcm.bits = qFromLittleEndian<quint16>(body + 14);
        } else if (tag == "data") {
            for (qsizetype i = 0; i + 1 < size && at + 8 + i + 1 < wave.size(); i += 2)
                pcm.frames.push_back(qFromLittleEndian<qint16>(body + i));
        }
        at += 8 + size + (size & 1);
    }
    return pcm;
}

} // namespace testing_support
