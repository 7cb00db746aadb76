#pragma once
// The monotonic clock and one-shot timers that the recorders and players run on.
// Not a wall clock: its zero is arbitrary, and it never jumps.

#include <QtGlobal>
#include <functional>

namespace platform {

class Clock {
public:
    using TimerId = quint64;

    virtual ~Clock() = default;

    // Microseconds since an arbitrary start; never goes backwards.
    virtual qint64 nowUs() const = 0;
    qint64 nowMs() const { return nowUs() / 1000; }

    // Runs fn once, on the calling thread's event loop, as soon as nowUs() >= atUs
    // (at the next turn of the loop when atUs has already passed). Never runs fn from
    // inside callAt itself.
    virtual TimerId callAt(qint64 atUs, std::function<void()> fn) = 0;

    // Forgets a timer that has not fired yet; an unknown or fired id is ignored.
    virtual void cancel(TimerId id) = 0;
};

// The process-wide real clock (QElapsedTimer, precise QTimers).
Clock& steadyClock();

} // namespace platform
