#pragma once
// A clock that delivers every timer a fixed time after its deadline, as a busy machine
// would; the time itself is the virtual clock's.

#include "platform/Clock.h"
#include "platform/VirtualClock.h"

#include <functional>
#include <utility>

namespace testing_support {

class LateClock final : public platform::Clock {
public:
    LateClock(platform::VirtualClock& inner, qint64 latenessUs) : inner_(inner), latenessUs_(latenessUs) {}
    qint64 nowUs() const override { return inner_.nowUs(); }
    TimerId callAt(qint64 atUs, std::function<void()> fn) override
    {
        return inner_.callAt(atUs + latenessUs_, std::move(fn));
    }
    void cancel(TimerId id) override { inner_.cancel(id); }

private:
    platform::VirtualClock& inner_;
    qint64 latenessUs_;
};

} // namespace testing_support
