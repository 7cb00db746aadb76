#pragma once
// A voice that sounds nothing but remembers, on its clock, what it would have sounded,
// and renders that as a WAVE file image: the programs' offline renders. One voice as on
// the device: a start cuts off the sound before it, stop silences, the last sound runs
// to its end. Not for live output.

#include "Clock.h"
#include "Voice.h"

#include <QByteArray>
#include <limits>
#include <vector>

namespace platform {

class OfflineVoice final : public Voice {
public:
    explicit OfflineVoice(const Clock& clock);

    bool start(const SoundPtr& sound) override;
    void stop() override;

    // 16-bit mono PCM with a plain 44-byte header, at rate 11025, 22050 or 44100 (empty
    // for any other rate): from the clock's time at construction to the end of the last
    // sound. A sound starts at output frame round(us * rate / 1e6) after that time.
    QByteArray waveImage(int rate) const;

    // A sound as it sounded: from its start (since construction) until its own end or the
    // next start or stop, whichever comes first.
    struct Sounding {
        qint64 beginUs;
        qint64 cutUs; // the next start or stop; never when none came
        SoundPtr sound;

        qint64 endUs() const { return qMin(beginUs + sound->durationUs(), cutUs); }
    };
    // Every sound started, in order.
    std::vector<Sounding> soundings() const;

private:
    struct Event {
        qint64 atUs;    // since construction
        SoundPtr sound; // null for stop
    };

    const Clock& clock_;
    const qint64 originUs_;
    std::vector<Event> events_;
};

} // namespace platform
