#include "OfflineVoice.h"

#include "WaveFile.h"

#include <cmath>

namespace platform {
namespace {

qint64 frameAt(qint64 us, int rate)
{
    return std::llround(double(us) * rate / 1e6);
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

std::vector<OfflineVoice::Sounding> OfflineVoice::soundings() const
{
    // Each start sounds from its onset until the next event or its own end.
    std::vector<Sounding> out;
    for (std::size_t i = 0; i < events_.size(); ++i) {
        if (!events_[i].sound)
            continue;
        const qint64 cut = i + 1 < events_.size() ? events_[i + 1].atUs : std::numeric_limits<qint64>::max();
        out.push_back({events_[i].atUs, cut, events_[i].sound});
    }
    return out;
}

QByteArray OfflineVoice::waveImage(int rate) const
{
    if (rate != 11025 && rate != 22050 && rate != 44100)
        return {};
    const int stride = kOutputRate / rate; // the prepared frames are at kOutputRate

    struct Span {
        qint64 begin;
        qint64 end;
        const PreparedSound* sound;
    };
    std::vector<Span> spans;
    qint64 length = 0;
    for (const Sounding& s : soundings()) {
        const qint64 begin = frameAt(s.beginUs, rate);
        qint64 end = begin + qint64(s.sound->frames().size()) / stride;
        if (s.cutUs != std::numeric_limits<qint64>::max())
            end = qMin(end, frameAt(s.cutUs, rate));
        if (end > begin) {
            spans.push_back({begin, end, s.sound.get()});
            length = qMax(length, end);
        }
    }

    std::vector<qint16> out(std::size_t(length), 0);
    for (const Span& s : spans) {
        const std::vector<qint16>& frames = s.sound->frames();
        for (qint64 f = s.begin; f < s.end; ++f)
            out[std::size_t(f)] = frames[std::size_t((f - s.begin) * stride)];
    }
    return waveFileImage(out, rate);
}

} // namespace platform
