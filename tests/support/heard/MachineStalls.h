#pragma once
// Stalls of the whole machine while a sound server plays: a real-time thread pinned to each
// processor sleeps 1 ms at a time and notes every wake-up over 4 ms late. A virtual machine
// stands still now and then; a break in the sound that falls inside such a stall is the
// machine's, one with the machine running would be the voice's. For the voice's test on a
// real server and the soak bench.

#include "platform/Clock.h"
#include "platform/RealTime.h"

#include <algorithm>
#include <atomic>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

#include <pthread.h>
#include <sched.h>

namespace heard {

// A break this near a stall (the capture's own lag in placing it included) is put down to it.
constexpr double kNearStallMs = 10;

// The stalls seen since construction; the watching threads end with the object.
class MachineStalls {
public:
    struct Stall {
        qint64 fromUs, toUs;
    };

    MachineStalls()
    {
        const unsigned processors = std::max(1u, std::thread::hardware_concurrency());
        for (unsigned cpu = 0; cpu < processors; ++cpu)
            threads_.emplace_back([this, cpu] { watch(cpu); });
    }
    ~MachineStalls()
    {
        stop_ = true;
        for (std::thread& t : threads_)
            t.join();
    }
    // How far `us` lies from the nearest stall, in ms (0 inside one); huge for none.
    double msFromNearest(double us)
    {
        std::lock_guard lock(mutex_);
        double nearest = 1e300;
        for (const Stall& s : stalls_)
            nearest = std::min(nearest, std::max({0.0, double(s.fromUs) - us, us - double(s.toUs)}));
        return nearest / 1000;
    }
    // The longest stall that ended within [fromUs, toUs], in ms; 0 for none.
    double longestIn(qint64 fromUs, qint64 toUs)
    {
        std::lock_guard lock(mutex_);
        qint64 longest = 0;
        for (const Stall& s : stalls_)
            if (s.toUs >= fromUs && s.toUs <= toUs)
                longest = std::max(longest, s.toUs - s.fromUs);
        return double(longest) / 1000;
    }
    // The share of [fromUs, toUs] that lies within `nearMs` of a stall: how often a break
    // would fall near one by chance.
    double shareNear(qint64 fromUs, qint64 toUs, double nearMs)
    {
        std::lock_guard lock(mutex_);
        std::vector<Stall> near;
        for (const Stall& s : stalls_)
            near.push_back({std::max(fromUs, s.fromUs - qint64(nearMs * 1000)),
                            std::min(toUs, s.toUs + qint64(nearMs * 1000))});
        std::sort(near.begin(), near.end(), [](const Stall& a, const Stall& b) { return a.fromUs < b.fromUs; });
        qint64 covered = 0, reached = fromUs;
        for (const Stall& s : near) {
            covered += std::max<qint64>(0, s.toUs - std::max(s.fromUs, reached));
            reached = std::max(reached, s.toUs);
        }
        return toUs > fromUs ? double(covered) / double(toUs - fromUs) : 0;
    }
    double longestMs() { return longestIn(std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max()); }
    std::size_t count()
    {
        std::lock_guard lock(mutex_);
        return stalls_.size();
    }

private:
    void watch(unsigned cpu)
    {
        cpu_set_t set;
        CPU_ZERO(&set);
        CPU_SET(cpu, &set);
        pthread_setaffinity_np(pthread_self(), sizeof set, &set);
        platform::askForRealTime();
        platform::Clock& clock = platform::steadyClock();
        while (!stop_) {
            const qint64 before = clock.nowUs();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            const qint64 after = clock.nowUs();
            if (after - before > 5'000) {
                std::lock_guard lock(mutex_);
                stalls_.push_back({before + 1'000, after});
            }
        }
    }

    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<Stall> stalls_;
    std::vector<std::thread> threads_;
};

} // namespace heard
