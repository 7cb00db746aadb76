#include "OneVoiceMixer.h"

#include <algorithm>

namespace platform {
namespace {
constexpr quint64 kAnyChanges = ~quint64(0);
} // namespace

void OneVoiceMixer::start(SoundPtr sound)
{
    {
        std::lock_guard lock(mutex_);
        sound_.swap(sound);
        position_ = 0;
        fresh_ = sound_ != nullptr;
        changes_.fetch_add(1, std::memory_order_release);
    }
    // The sound cut off (now in `sound`) is released here, outside the lock.
}

void OneVoiceMixer::stop()
{
    start(nullptr);
}

OneVoiceMixer::Pulled OneVoiceMixer::pull(std::span<qint16> out)
{
    return pullIfUnchanged(out, kAnyChanges);
}

OneVoiceMixer::Pulled OneVoiceMixer::pullIfUnchanged(std::span<qint16> out, quint64 changes)
{
    Pulled result;
    SoundPtr finished; // released after the lock, never while holding it
    {
        std::lock_guard lock(mutex_);
        result.changes = changes_.load(std::memory_order_relaxed);
        if (changes != kAnyChanges && changes != result.changes)
            return result;
        if (sound_) {
            const std::vector<qint16>& frames = sound_->frames();
            const std::size_t n = std::min(out.size(), frames.size() - position_);
            std::copy_n(frames.begin() + qsizetype(position_), n, out.begin());
            if (fresh_ && n > 0)
                result.startsSound = true;
            fresh_ = false;
            position_ += n;
            result.soundFrames = qsizetype(n);
            if (position_ >= frames.size())
                finished.swap(sound_);
        }
    }
    std::fill(out.begin() + result.soundFrames, out.end(), qint16(0));
    return result;
}

bool OneVoiceMixer::sounding() const
{
    std::lock_guard lock(mutex_);
    return sound_ != nullptr;
}

} // namespace platform
