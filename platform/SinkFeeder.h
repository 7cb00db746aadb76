#pragma once
// Keeps an audio output topped up from the one-voice mixer: each call writes as many
// frames as the device takes now. Runs on the audio thread only; the mixer is the one
// thing it shares with the thread that starts sounds.

#include "AudioOutput.h"
#include "Clock.h"
#include "OneVoiceMixer.h"

#include <array>
#include <functional>

namespace platform {

class SinkFeeder {
public:
    // Told the clock's time at which frame 0 of a started sound was handed to the device.
    using FirstFrameObserver = std::function<void(qint64 atUs)>;

    SinkFeeder(OneVoiceMixer& mixer, AudioOutput& output, const Clock& clock);

    void setFirstFrameObserver(FirstFrameObserver observer) { observer_ = std::move(observer); }

    // Writes what the device takes now without blocking. Frames the device did not take
    // are kept for the next call, unless a sound was started or stopped meanwhile: then
    // they are dropped, so the change reaches the device first.
    void topUp();

    // Forgets frames kept back (the device was closed).
    void reset();

private:
    static constexpr qsizetype kBlockFrames = 4096;

    bool refill(qint64 freeBytes);

    OneVoiceMixer& mixer_;
    AudioOutput& output_;
    const Clock& clock_;
    FirstFrameObserver observer_;
    std::array<qint16, kBlockFrames> block_{};
    qint64 pendingBegin_ = 0; // bytes of block_ already written
    qint64 pendingEnd_ = 0;   // bytes of block_ filled
    quint64 pulledAtChange_ = 0;
    bool firstFramePending_ = false; // block_ begins with frame 0 of a started sound
};

} // namespace platform
