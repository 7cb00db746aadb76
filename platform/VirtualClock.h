#pragma once
// A clock that moves only when told to: tests step time exactly with it, and the
// renderers run a whole performance through it in no time. Due timers fire in deadline
// order, each seeing the clock at its own deadline.

#include "Clock.h"

#include <map>

namespace platform {

class VirtualClock final : public platform::Clock {
public:
    qint64 nowUs() const override { return nowUs_; }

    TimerId callAt(qint64 atUs, std::function<void()> fn) override
    {
        const TimerId id = ++lastId_;
        timers_.emplace(Key{atUs, id}, std::move(fn));
        return id;
    }

    void cancel(TimerId id) override
    {
        for (auto it = timers_.begin(); it != timers_.end(); ++it) {
            if (it->first.id == id) {
                timers_.erase(it);
                return;
            }
        }
    }

    // Moves time forward, firing every timer that falls due on the way.
    void advanceUs(qint64 us)
    {
        const qint64 target = nowUs_ + us;
        while (!timers_.empty() && timers_.begin()->first.atUs <= target) {
            auto it = timers_.begin();
            nowUs_ = qMax(nowUs_, it->first.atUs);
            auto fn = std::move(it->second);
            timers_.erase(it);
            fn();
        }
        nowUs_ = target;
    }
    void advanceMs(qint64 ms) { advanceUs(ms * 1000); }

    // Fires what is due now (a timer set for the past runs at the next turn of the loop).
    void runDue() { advanceUs(0); }

    std::size_t pendingTimers() const { return timers_.size(); }

    // Runs the earliest pending timer, moving the clock to its deadline; false when none.
    bool runNext()
    {
        if (timers_.empty())
            return false;
        advanceUs(qMax<qint64>(0, timers_.begin()->first.atUs - nowUs_));
        return true;
    }

private:
    struct Key {
        qint64 atUs;
        TimerId id;
        bool operator<(const Key& o) const { return atUs != o.atUs ? atUs < o.atUs : id < o.id; }
    };
    qint64 nowUs_ = 1'000'000; // not zero, so "no time yet" bugs show
    std::map<Key, std::function<void()>> timers_;
    TimerId lastId_ = 0;
};

} // namespace platform
