#include "PreparedSound.h"

#include <QtEndian>
#include <climits>
#include <cmath>
#include <cstring>
#include <soxr.h>

namespace platform {
namespace {

constexpr quint16 kPcm = 1;
constexpr quint16 kFloat = 3;
constexpr quint16 kExtensible = 0xFFFE;
// More channels than any recording device makes: a damaged header.
constexpr int kMaxChannels = 32;

quint32 u32(const char* p)
{
    return qFromLittleEndian<quint32>(p);
}
quint16 u16(const char* p)
{
    return qFromLittleEndian<quint16>(p);
}

struct Format {
    quint16 tag = 0; // kPcm or kFloat once resolved
    int channels = 0;
    int rate = 0;
    int bits = 0; // of each sample's container
};

// Empty when the layout is one that plays, else why not.
QString formatProblem(const char* body, qint64 len, Format& f)
{
    if (len < 16)
        return QStringLiteral("its format chunk is cut short (%1 bytes)").arg(len);
    f.tag = u16(body);
    f.channels = u16(body + 2);
    f.rate = int(qMin<quint32>(u32(body + 4), quint32(INT_MAX)));
    f.bits = u16(body + 14);
    if (f.tag == kExtensible) {
        // WAVEFORMATEXTENSIBLE: the sub-format GUID's first two bytes are the real tag.
        if (len < 40)
            return QStringLiteral("its extensible format chunk is cut short (%1 bytes)").arg(len);
        f.tag = u16(body + 24);
    }
    if (f.tag != kPcm && f.tag != kFloat)
        return QStringLiteral("it is compressed (format tag %1), not PCM or float").arg(f.tag);
    if (f.channels < 1)
        return QStringLiteral("it has no channels");
    if (f.channels > kMaxChannels)
        return QStringLiteral("it claims %1 channels").arg(f.channels);
    const bool intOk = f.tag == kPcm && (f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32);
    const bool floatOk = f.tag == kFloat && (f.bits == 32 || f.bits == 64);
    if (!intOk && !floatOk)
        return QStringLiteral("%1-bit %2 samples are not supported")
            .arg(f.bits)
            .arg(f.tag == kPcm ? QStringLiteral("PCM") : QStringLiteral("float"));
    if (f.rate < kMinSourceRate || f.rate > kMaxSourceRate)
        return QStringLiteral("its rate of %1 Hz is out of range").arg(f.rate);
    return {};
}

// One sample scaled so that 16-bit full scale is 1.0.
double sampleAt(const char* p, const Format& f)
{
    if (f.tag == kFloat) {
        double v = 0;
        if (f.bits == 32) {
            const quint32 raw = u32(p);
            float x;
            std::memcpy(&x, &raw, 4);
            v = x;
        } else {
            const quint64 raw = qFromLittleEndian<quint64>(p);
            std::memcpy(&v, &raw, 8);
        }
        return std::isfinite(v) ? v : 0.0;
    }
    switch (f.bits) {
    case 8: return (double(quint8(*p)) - 128.0) / 128.0;
    case 16: return double(qint16(u16(p))) / 32768.0;
    case 24: {
        const quint32 raw = quint32(quint8(p[0])) << 8 | quint32(quint8(p[1])) << 16 | quint32(quint8(p[2])) << 24;
        const qint32 v = qint32(raw);
        return double(v) / 2147483648.0;
    }
    default: return double(qint32(u32(p))) / 2147483648.0;
    }
}

// To the nearest 16-bit step, halves away from zero, clipped (a library call per frame
// would cost more than the conversion itself).
qint16 toFrame(double v)
{
    const double s = qBound(-32768.0, v * 32768.0, 32767.0);
    return qint16(s < 0 ? s - 0.5 : s + 0.5);
}

SoundPtr refuse(QString* whyNot, const QString& reason)
{
    if (whyNot)
        *whyNot = reason;
    return nullptr;
}

} // namespace

SoundPtr prepareSound(const QByteArray& image, QString* whyNot)
{
    const char* b = image.constData();
    const qint64 size = image.size();
    if (size < 12 || image.left(4) != "RIFF" || image.mid(8, 4) != "WAVE")
        return refuse(whyNot, QStringLiteral("it is not a RIFF/WAVE file"));

    // The first "fmt " and the first "data", in either order, whatever lies around them.
    Format f;
    QString fmtProblem = QStringLiteral("it has no format chunk");
    bool haveFmt = false;
    const char* data = nullptr;
    qint64 dataBytes = 0;
    for (qint64 pos = 12; pos + 8 <= size;) {
        const char* id = b + pos;
        const qint64 len = u32(b + pos + 4);
        const qint64 body = pos + 8;
        const qint64 avail = qMin(len, size - body);
        if (!haveFmt && std::memcmp(id, "fmt ", 4) == 0) {
            haveFmt = true;
            fmtProblem = formatProblem(b + body, avail, f);
        } else if (!data && std::memcmp(id, "data", 4) == 0) {
            data = b + body;
            dataBytes = avail;
        }
        pos = body + len + (len & 1);
    }
    if (!fmtProblem.isEmpty())
        return refuse(whyNot, fmtProblem);
    if (!data)
        return refuse(whyNot, QStringLiteral("it has no data chunk"));

    const int frameBytes = f.channels * f.bits / 8;
    const qint64 inFrames = dataBytes / frameBytes;
    const qint64 outFrames = qint64(std::llround(double(inFrames) * kOutputRate / f.rate));
    if (outFrames == 0)
        return refuse(whyNot, QStringLiteral("its data chunk holds no sound"));
    // A damaged header with a tiny rate would ask for gigabytes; no sample is that long.
    if (outFrames > kMaxPreparedFrames)
        return refuse(whyNot, QStringLiteral("it would last longer than ten minutes"));

    // One channel: the average of all.
    std::vector<float> mono(std::size_t(inFrames), 0.0f);
    for (qint64 i = 0; i < inFrames; ++i) {
        double sum = 0;
        for (int c = 0; c < f.channels; ++c)
            sum += sampleAt(data + i * frameBytes + c * (f.bits / 8), f);
        mono[std::size_t(i)] = float(sum / f.channels);
    }

    std::vector<qint16> out(std::size_t(outFrames), 0);
    if (f.rate == kOutputRate) {
        // Nothing to convert: 16-bit mono comes back bit for bit.
        for (qint64 i = 0; i < inFrames; ++i)
            out[std::size_t(i)] = toFrame(mono[std::size_t(i)]);
    } else {
        // Linear phase with the filter's delay taken out: frame 0 stays the onset. The
        // one-shot call flushes the filter, so the tail is whole. Its 16-bit output is
        // rounded and clipped: filtering can overshoot a peak near full scale.
        const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
        soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_INT16_I);
        io.flags |= SOXR_NO_DITHER;
        std::size_t done = 0;
        const soxr_error_t error = soxr_oneshot(f.rate, kOutputRate, 1, mono.data(), mono.size(), nullptr,
                                                out.data(), out.size(), &done, &io, &quality, nullptr);
        if (error)
            return refuse(whyNot,
                          QStringLiteral("it could not be converted to %1 Hz (%2)")
                              .arg(kOutputRate)
                              .arg(QString::fromUtf8(error)));
    }
    if (whyNot)
        whyNot->clear();
    return std::make_shared<const PreparedSound>(std::move(out));
}

} // namespace platform
