#pragma once
// The seam between the voice and the sound device: a push-mode output of 16-bit mono
// frames at kOutputRate Hz. The real one is a QAudioSink; tests put a test sink here and
// see what was written and when. Not a voice: it knows nothing of sounds or cut-offs.

#include <QtGlobal>
#include <memory>

namespace platform {

class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // Whether the system has an output device now. Asked afresh on every start of a sound,
    // from the thread that starts it; must be cheap and thread-safe.
    virtual bool deviceAvailable() const = 0;

    // The rest is called on the audio thread only.

    // Opens the device (16-bit mono, kOutputRate Hz); false when it cannot.
    virtual bool open() = 0;
    // False before open, after close, or once the device failed.
    virtual bool isOpen() const = 0;
    virtual void close() = 0;
    // Bytes the device takes now without blocking.
    virtual qint64 bytesFree() const = 0;
    // Bytes taken (at most bytesFree()); never blocks.
    virtual qint64 write(const char* data, qint64 bytes) = 0;
};

// The system's default output device through a QAudioSink in push mode, with a buffer of
// about bufferUs microseconds.
std::unique_ptr<AudioOutput> makeSystemAudioOutput(qint64 bufferUs = 10'000);

} // namespace platform
