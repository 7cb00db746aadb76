#pragma once
// The frame source behind the real voice: at most one sound at a time, pulled block by
// block by the audio thread while the GUI thread starts and stops sounds. Not a voice on
// its own (it knows no device) and not a mixer of several sounds.

#include "PreparedSound.h"

#include <atomic>
#include <mutex>
#include <span>

namespace platform {

class OneVoiceMixer {
public:
    // What one pull delivered.
    struct Pulled {
        qsizetype soundFrames = 0; // frames copied from a sound; the rest of the block is silence
        bool startsSound = false;  // the block begins with frame 0 of a newly started sound
        quint64 changes = 0;       // changes() as it stood when the block was pulled
    };

    // The next frame pulled is the sound's frame 0, whatever sounded before (the same
    // sound included). Safe from any thread; no allocation, a lock held for a few words.
    void start(SoundPtr sound);

    // The next frame pulled is silence.
    void stop();

    // Fills the block with the sounding frames and then silence, moving the voice on.
    Pulled pull(std::span<qint16> out);

    // As pull, but only while changes() still equals `changes`; otherwise nothing is pulled
    // (the result's changes differs from the one asked), so a reader that appends behind a
    // queue never swallows the first frames of a sound it must write over the queue.
    Pulled pullIfUnchanged(std::span<qint16> out, quint64 changes);

    // True while a started sound still has frames to give.
    bool sounding() const;

    // Counts start() and stop() calls: a reader holding frames pulled earlier sees that
    // they are out of date.
    quint64 changes() const { return changes_.load(std::memory_order_acquire); }

private:
    mutable std::mutex mutex_;
    SoundPtr sound_;
    std::size_t position_ = 0;
    bool fresh_ = false; // frame 0 of sound_ has not been pulled yet
    std::atomic<quint64> changes_{0};
};

} // namespace platform
