#include "PreparedSound.h"

#include <QtEndian>
#include <cmath>

namespace platform {
namespace {

struct Format {
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

quint32 u32(const char* p) { return qFromLittleEndian<quint32>(p); }
quint16 u16(const char* p) { return qFromLittleEndian<quint16>(p); }

// One channel-averaged sample at frame i, scaled to 16 bits.
double monoSample(const char* data, qint64 i, const Format& f)
{
    const int bytes = f.bits / 8;
    double sum = 0;
    for (int c = 0; c < f.channels; ++c) {
        const char* p = data + (i * f.channels + c) * bytes;
        sum += f.bits == 8 ? (double(quint8(*p)) - 128.0) * 256.0 : double(qint16(u16(p)));
    }
    return sum / f.channels;
}

} // namespace

SoundPtr prepareSound(const QByteArray& image)
{
    const char* b = image.constData();
    const qint64 size = image.size();
    if (size < 12 || image.left(4) != "RIFF" || image.mid(8, 4) != "WAVE")
        return nullptr;

    Format f;
    const char* data = nullptr;
    qint64 dataBytes = 0;
    for (qint64 pos = 12; pos + 8 <= size;) {
        const QByteArray id = image.mid(pos, 4);
        const qint64 len = u32(b + pos + 4);
        const qint64 body = pos + 8;
        const qint64 avail = qMin(len, size - body);
        if (id == "fmt " && avail >= 16) {
            if (u16(b + body) != 1) // PCM only
                return nullptr;
            f.channels = u16(b + body + 2);
            f.rate = int(u32(b + body + 4));
            f.bits = u16(b + body + 14);
        } else if (id == "data") {
            data = b + body;
            dataBytes = avail;
        }
        pos = body + len + (len & 1);
    }
    if (!data || f.channels < 1 || f.channels > 2 || f.rate <= 0 || (f.bits != 8 && f.bits != 16))
        return nullptr;

    const qint64 inFrames = dataBytes / (f.channels * f.bits / 8);
    const qint64 outFrames = inFrames * kOutputRate / f.rate;
    // A damaged header with a tiny rate would ask for gigabytes; no sample is that long.
    if (outFrames > kMaxPreparedFrames)
        return nullptr;
    std::vector<qint16> out(std::size_t(qMax<qint64>(outFrames, 0)));
    // Linear interpolation is plenty for plucked notes at integer ratios of the rate.
    const double step = double(f.rate) / kOutputRate;
    for (qint64 i = 0; i < outFrames; ++i) {
        const double at = i * step;
        const qint64 i0 = qint64(at);
        const qint64 i1 = qMin(i0 + 1, inFrames - 1);
        const double t = at - double(i0);
        const double v = monoSample(data, i0, f) * (1 - t) + monoSample(data, i1, f) * t;
        out[std::size_t(i)] = qint16(std::lround(qBound(-32768.0, v, 32767.0)));
    }
    return std::make_shared<const PreparedSound>(std::move(out));
}

} // namespace platform
