#pragma once
// A voice that sounds nothing and remembers what it was asked: what was started, when
// (on the test's clock), and whether it cut off a sound still playing.

#include "platform/Clock.h"
#include "platform/Voice.h"

#include <vector>

namespace testing_support {

class FakeVoice final : public platform::Voice {
public:
    struct Event {
        enum Kind { Start, Stop } kind;
        qint64 atUs;
        platform::SoundPtr sound; // null for Stop
        bool cutOff;              // a sound was still playing at that moment
    };

    explicit FakeVoice(const platform::Clock& clock) : clock_(clock) {}

    bool start(const platform::SoundPtr& sound) override
    {
        if (!sound || !hasDevice)
            return false;
        events.push_back({Event::Start, clock_.nowUs(), sound, sounding()});
        current_ = sound;
        startedUs_ = clock_.nowUs();
        return true;
    }

    void stop() override
    {
        events.push_back({Event::Stop, clock_.nowUs(), nullptr, sounding()});
        current_.reset();
    }

    bool sounding() const { return current_ && clock_.nowUs() < startedUs_ + current_->durationUs(); }

    std::vector<platform::SoundPtr> started() const
    {
        std::vector<platform::SoundPtr> out;
        for (const Event& e : events)
            if (e.kind == Event::Start)
                out.push_back(e.sound);
        return out;
    }

    bool hasDevice = true;
    std::vector<Event> events;

private:
    const platform::Clock& clock_;
    platform::SoundPtr current_;
    qint64 startedUs_ = 0;
};

} // namespace testing_support
