#include "OfflineVoice.h"

#include <QtEndian>
#include <cmath>

namespace platform {
namespace {

qint64 frameAt(qint64 us, int rate)
{
    return std::llround(double(us) * rate / 1e6);
}

void putU32(QByteArray& b, quint32 v)
{
    char raw[4];
    qToLittleEndian(v, raw);
    b.append(raw, 4);
}

void putU16(QByteArray& b, quint16 v)
{
    char raw[2];
    qToLittleEndian(v, raw);
    b.append(raw, 2);
}

QByteArray waveHeader(int rate, qint64 dataBytes)
{
    QByteArray h;
    h.reserve(44);
    h.append("RIFF", 4);
    putU32(h, quint32(36 + dataBytes));
    h.append("WAVEfmt ", 8);
    putU32(h, 16);
    putU16(h, 1); // PCM
    putU16(h, 1); // mono
    putU32(h, quint32(rate));
    putU32(h, quint32(rate * 2));
    putU16(h, 2);
    putU16(h, 16);
    h.append("data", 4);
    putU32(h, quint32(dataBytes));
    return h;
}

} // namespace

OfflineVoice::OfflineVoice(const Clock& clock) : clock_(clock), originUs_(clock.nowUs()) {}

bool OfflineVoice::start(const SoundPtr& sound)
{
    if (!sound)
        return false;
    events_.push_back({clock_.nowUs() - originUs_, sound});
    return true;
}

void OfflineVoice::stop()
{
    events_.push_back({clock_.nowUs() - originUs_, nullptr});
}

QByteArray OfflineVoice::waveImage(int rate) const
{
    if (rate != 11025 && rate != 22050 && rate != 44100)
        return {};
    const int stride = kOutputRate / rate; // the prepared frames are at kOutputRate

    // Each start sounds from its onset until the next event or its own end.
    struct Span {
        qint64 begin;
        qint64 end;
        const PreparedSound* sound;
    };
    std::vector<Span> spans;
    qint64 length = 0;
    for (std::size_t i = 0; i < events_.size(); ++i) {
        const Event& e = events_[i];
        if (!e.sound)
            continue;
        const qint64 begin = frameAt(e.atUs, rate);
        qint64 end = begin + qint64(e.sound->frames().size()) / stride;
        if (i + 1 < events_.size())
            end = qMin(end, frameAt(events_[i + 1].atUs, rate));
        if (end > begin) {
            spans.push_back({begin, end, e.sound.get()});
            length = qMax(length, end);
        }
    }

    QByteArray image = waveHeader(rate, length * 2);
    const qsizetype header = image.size();
    image.resize(header + length * 2, '\0');
    char* data = image.data() + header;
    for (const Span& s : spans) {
        const std::vector<qint16>& frames = s.sound->frames();
        for (qint64 f = s.begin; f < s.end; ++f)
            qToLittleEndian(frames[std::size_t((f - s.begin) * stride)], data + f * 2);
    }
    return image;
}

} // namespace platform
