#include "Clock.h"

#include <QElapsedTimer>
#include <QHash>
#include <QTimer>

#include <limits>

namespace platform {
namespace {

class SteadyClock final : public Clock {
public:
    SteadyClock() { elapsed_.start(); }

    qint64 nowUs() const override { return elapsed_.nsecsElapsed() / 1000; }

    TimerId callAt(qint64 atUs, std::function<void()> fn) override
    {
        const TimerId id = ++lastId_;
        auto* timer = new QTimer;
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
        timers_.insert(id, timer);
        QObject::connect(timer, &QTimer::timeout, timer, [this, id, fn = std::move(fn)] {
            QTimer* t = timers_.value(id);
            if (!t)
                return;
            t->deleteLater();
            timers_.remove(id);
            fn();
        });
        arm(timer, atUs);
        return id;
    }

    void cancel(TimerId id) override
    {
        if (QTimer* t = timers_.take(id)) {
            t->stop();
            t->deleteLater();
        }
    }

private:
    void arm(QTimer* timer, qint64 atUs)
    {
        const qint64 leftUs = atUs - nowUs();
        // Round up, so the timer never fires before the deadline it was given.
        const qint64 ms = leftUs <= 0 ? 0 : (leftUs + 999) / 1000;
        timer->start(int(qMin<qint64>(ms, std::numeric_limits<int>::max())));
    }

    QElapsedTimer elapsed_;
    QHash<TimerId, QTimer*> timers_;
    TimerId lastId_ = 0;
};

} // namespace

Clock& steadyClock()
{
    static SteadyClock clock;
    return clock;
}

} // namespace platform
