#pragma once
// The real voice on Linux desktops: one playback stream on the sound server (PulseAudio, or
// PipeWire's PulseAudio server) through libpulse. A new sound is written over whatever is
// queued and not yet played, so it never waits behind old audio; a silent stream is corked,
// so an idle program costs no wake-ups. Not a mixer, not a file player.

#include "OneVoiceMixer.h"
#include "Voice.h"

#include <QByteArray>
#include <atomic>
#include <functional>
#include <memory>

namespace platform {

class PulseVoice final : public Voice {
public:
    struct Options {
        QByteArray server;           // empty: the desktop's own server (PULSE_SERVER, the session's)
        int connectTimeoutMs = 1500; // the construction waits no longer for the server
        // The queue rides out a stall of the machine of about 50 ms, the longest seen on a
        // virtual machine (at least target minus one top-up stays queued); the target less
        // two top-ups, 6 ms, is what the server asks of its sink, 3 ms. A new sound replaces
        // the queue, so its length costs no latency.
        int targetMs = 100;    // asked target length of the queue
        int minRequestMs = 47; // asked smallest top-up
        int idleAfterMs = 200; // silence written before the stream is corked
    };

    // Connects and opens the stream, waiting at most connectTimeoutMs; with no server it
    // stays silent and tries again on the next start.
    PulseVoice();
    explicit PulseVoice(Options options);
    ~PulseVoice() override;

    // Hands the sound to the server's thread without waiting on it. False and silence for a
    // null sound, or while no server is connected (a connection is then tried in the
    // background, so a server that came back is used from a later start on).
    bool start(const SoundPtr& sound) override;
    void stop() override;

    // True while the stream is open on a server.
    bool connected() const;

    // For measurements and tests, read from any thread.
    struct Counters {
        quint64 underflows = 0; // the server found the queue empty while not corked
        quint64 corks = 0;      // the stream went idle
        quint64 soundsWritten = 0;
    };
    Counters counters() const;

    // Called on the server's thread with steadyClock() time whenever frame 0 of a started
    // sound has been handed to the server. Empty to remove; returns once no call of the old
    // observer is running.
    void setFirstFrameObserver(std::function<void(qint64 steadyUs)> observer);

private:
    class Loop;
    OneVoiceMixer mixer_;
    std::unique_ptr<Loop> loop_;
};

// The voice behind systemVoice() on this desktop, for benches that watch its first frames.
PulseVoice& systemPulseVoice();

} // namespace platform
