#pragma once
// Builds RIFF/WAVE file images for tests, chunk by chunk, so damaged and unusual files
// are as easy to write as plain ones.

#include <QByteArray>
#include <QtEndian>
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
    return le16(quint16(formatTag)) + le16(quint16(channels)) + le32(quint32(rate))
        + le32(quint32(rate * align)) + le16(quint16(align)) + le16(quint16(bits));
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

// A plain 44-byte-header file: "fmt " then "data", nothing else.
inline QByteArray wave16(int channels, int rate, const std::vector<qint16>& samples)
{
    return riff(chunk("fmt ", fmtBody(channels, rate, 16)) + chunk("data", pcm16(samples)));
}

} // namespace testing_support
