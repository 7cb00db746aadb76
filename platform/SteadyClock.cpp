#include "Clock.h"

#include <QCoreApplication>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <limits>
#include <map>
#include <vector>

#ifdef __linux__
#include <QSocketNotifier>
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace platform {
namespace {

using SteadyTime = std::chrono::steady_clock;

#ifdef __linux__
// Deadlines to the microsecond on the thread of the application object: one timerfd armed
// for the earliest deadline on the monotonic clock, read by the event loop like any other
// file. A QTimer only wakes on whole milliseconds, which made notes up to 1 ms late.
class TimerFdQueue final : public QObject {
public:
    TimerFdQueue(SteadyTime::time_point base, QObject* parent) : QObject(parent), base_(base)
    {
        fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
        if (fd_ < 0)
            return;
        notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] { fire(); });
    }
    ~TimerFdQueue() override
    {
        if (fd_ >= 0)
            ::close(fd_);
    }

    bool usable() const { return fd_ >= 0; }

    void add(Clock::TimerId id, qint64 atUs, std::function<void()> fn)
    {
        const Key key{atUs, id};
        timers_.emplace(key, std::move(fn));
        keys_.insert(id, key);
        if (timers_.begin()->first.id == id)
            arm();
    }

    bool cancel(Clock::TimerId id)
    {
        const auto it = keys_.constFind(id);
        if (it == keys_.constEnd())
            return false;
        timers_.erase(*it);
        keys_.erase(it);
        return true;
    }

private:
    struct Key {
        qint64 atUs;
        Clock::TimerId id;
        bool operator<(const Key& o) const { return atUs != o.atUs ? atUs < o.atUs : id < o.id; }
    };

    qint64 nowUs() const
    {
        return std::chrono::duration_cast<std::chrono::microseconds>(SteadyTime::now() - base_).count();
    }

    void arm()
    {
        itimerspec when{};
        if (!timers_.empty()) {
            // steady_clock counts CLOCK_MONOTONIC on Linux, so its epoch is the timerfd's.
            const auto at = base_ + std::chrono::microseconds(timers_.begin()->first.atUs);
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(at.time_since_epoch()).count();
            when.it_value.tv_sec = time_t(ns / 1'000'000'000);
            when.it_value.tv_nsec = long(ns % 1'000'000'000);
            if (when.it_value.tv_sec == 0 && when.it_value.tv_nsec == 0)
                when.it_value.tv_nsec = 1; // zero would disarm; any past time fires at once
        }
        timerfd_settime(fd_, TFD_TIMER_ABSTIME, &when, nullptr);
    }

    void fire()
    {
        quint64 expirations = 0;
        [[maybe_unused]] const auto got = ::read(fd_, &expirations, sizeof expirations);
        // Only what is due now; timers that these set for "now" run at the next turn.
        const qint64 now = nowUs();
        std::vector<Clock::TimerId> due;
        for (auto it = timers_.begin(); it != timers_.end() && it->first.atUs <= now; ++it)
            due.push_back(it->first.id);
        for (const Clock::TimerId id : due) {
            const auto key = keys_.constFind(id);
            if (key == keys_.constEnd())
                continue; // cancelled by a timer before it
            auto node = timers_.extract(*key);
            keys_.erase(key);
            node.mapped()();
        }
        arm();
    }

    SteadyTime::time_point base_;
    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    std::map<Key, std::function<void()>> timers_;
    QHash<Clock::TimerId, Key> keys_;
};
#endif

class SteadyClock final : public Clock {
public:
    qint64 nowUs() const override
    {
        return std::chrono::duration_cast<std::chrono::microseconds>(SteadyTime::now() - base_).count();
    }

    TimerId callAt(qint64 atUs, std::function<void()> fn) override
    {
        const TimerId id = ++lastId_;
#ifdef __linux__
        if (TimerFdQueue* queue = queueForThisThread()) {
            queue->add(id, atUs, std::move(fn));
            return id;
        }
#endif
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
#ifdef __linux__
        if (queue_ && queue_->thread() == QThread::currentThread() && queue_->cancel(id))
            return;
#endif
        if (QTimer* t = timers_.take(id)) {
            t->stop();
            t->deleteLater();
        }
    }

private:
#ifdef __linux__
    // The queue lives on the application's thread and goes with the application object;
    // other threads (and a process without one) keep to QTimers.
    TimerFdQueue* queueForThisThread()
    {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app || app->thread() != QThread::currentThread())
            return nullptr;
        if (!queue_) {
            auto* queue = new TimerFdQueue(base_, app);
            if (!queue->usable()) {
                delete queue;
                return nullptr;
            }
            queue_ = queue;
        }
        return queue_;
    }
#endif

    void arm(QTimer* timer, qint64 atUs)
    {
        const qint64 leftUs = atUs - nowUs();
        // Round up, so the timer never fires before the deadline it was given.
        const qint64 ms = leftUs <= 0 ? 0 : (leftUs + 999) / 1000;
        timer->start(int(qMin<qint64>(ms, std::numeric_limits<int>::max())));
    }

    const SteadyTime::time_point base_ = SteadyTime::now();
    std::atomic<TimerId> lastId_{0};
    QHash<TimerId, QTimer*> timers_;
#ifdef __linux__
    QPointer<TimerFdQueue> queue_;
#endif
};

} // namespace

Clock& steadyClock()
{
    static SteadyClock clock;
    return clock;
}

} // namespace platform
