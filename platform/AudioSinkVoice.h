#pragma once
// The voice where there is no libpulse (Windows builds): one sound at a time into an audio
// output opened once, kept topped up every couple of milliseconds by a thread of its own, so
// the GUI thread never feeds the device and a GUI stall never breaks the sound. After a fifth of a second of silence
// the stream runs dry and the thread sleeps until the next start. Not a mixer, not a file player.

#include "AudioOutput.h"
#include "OneVoiceMixer.h"
#include "Voice.h"

#include <QThread>
#include <atomic>
#include <functional>

namespace platform {

class AudioSinkVoice final : public Voice {
public:
    // Takes the output; opens it on the audio thread at once when a device exists. Tops it
    // up every topUpPeriodMs while sounding and for idleAfterMs of silence after.
    explicit AudioSinkVoice(std::unique_ptr<AudioOutput> output, int topUpPeriodMs = 2, int idleAfterMs = 200);
    ~AudioSinkVoice() override;

    // True when a device exists (asked afresh on every start): the sound's first frame
    // goes to the device at once. False and silence for a null sound or no device.
    bool start(const SoundPtr& sound) override;
    void stop() override;

    // For measurements: called on the audio thread with steadyClock() time whenever frame 0
    // of a started sound has been written to the device. Empty to remove.
    void setFirstFrameObserver(std::function<void(qint64 steadyUs)> observer);

private:
    class Worker;

    void wake();

    OneVoiceMixer mixer_;
    std::unique_ptr<AudioOutput> output_;
    QThread thread_;
    Worker* worker_ = nullptr;
    std::atomic<bool> wakePending_{false};
};

// The voice behind systemVoice() where there is no libpulse (Windows builds).
AudioSinkVoice& systemAudioSinkVoice();

} // namespace platform
