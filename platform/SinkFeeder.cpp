#include "SinkFeeder.h"

#include <span>

namespace platform {

SinkFeeder::SinkFeeder(OneVoiceMixer& mixer, AudioOutput& output, const Clock& clock)
    : mixer_(mixer), output_(output), clock_(clock)
{
}

void SinkFeeder::reset()
{
    pendingBegin_ = pendingEnd_ = 0;
    firstFramePending_ = false;
}

bool SinkFeeder::refill(qint64 freeBytes)
{
    const qsizetype frames = qsizetype(qMin<qint64>(freeBytes / 2, kBlockFrames));
    if (frames <= 0)
        return false;
    pulledAtChange_ = mixer_.changes();
    const OneVoiceMixer::Pulled pulled = mixer_.pull(std::span(block_.data(), std::size_t(frames)));
    pendingBegin_ = 0;
    pendingEnd_ = qint64(frames) * 2;
    firstFramePending_ = pulled.startsSound;
    return true;
}

void SinkFeeder::topUp()
{
    if (pendingBegin_ < pendingEnd_ && mixer_.changes() != pulledAtChange_)
        reset(); // stale: a newer start or stop must not wait behind these frames

    // A few rounds at most: a block, and the rest of the device's free space after it.
    for (int round = 0; round < 4; ++round) {
        const qint64 freeBytes = output_.bytesFree();
        if (freeBytes <= 0)
            return;
        if (pendingBegin_ >= pendingEnd_ && !refill(freeBytes))
            return;
        const char* from = reinterpret_cast<const char*>(block_.data()) + pendingBegin_;
        const qint64 want = qMin(pendingEnd_ - pendingBegin_, freeBytes);
        const qint64 written = qBound<qint64>(0, output_.write(from, want), want);
        pendingBegin_ += written;
        if (firstFramePending_ && pendingBegin_ >= 2) {
            firstFramePending_ = false;
            if (observer_)
                observer_(clock_.nowUs());
        }
        if (written < want || written == 0)
            return; // the device is full for now
    }
}

} // namespace platform
