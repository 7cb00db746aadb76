#pragma once
// Tones that a recording of the sink's monitor tells apart: each note a pitch of its own, so
// the recording says which note sounded, when, and whether it broke off. For the voice's test
// on a real server and the soak bench; run inside bench/session_bench.py, whose null sink is
// named "bench".

#include "platform/Clock.h"
#include "platform/PreparedSound.h"

#include <pulse/simple.h>

#include <csignal>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>
#include <numbers>
#include <optional>
#include <thread>
#include <vector>

namespace heard {

using platform::kOutputRate;

constexpr double kPitches[] = {440.0, 620.0, 880.0, 1240.0};

inline platform::SoundPtr tone(double hz, int ms)
{
    std::vector<qint16> f(std::size_t(kOutputRate) * std::size_t(ms) / 1000);
    for (std::size_t i = 0; i < f.size(); ++i)
        f[i] = qint16(12000 * std::sin(2 * std::numbers::pi * hz * double(i) / kOutputRate));
    return std::make_shared<const platform::PreparedSound>(std::move(f));
}

// Frames of the sink's monitor, each piece stamped on the steady clock when it arrived (so a
// frame's time is late by at most the capture's own latency).
struct Recording {
    std::vector<qint16> frames;
    std::vector<std::pair<double, std::size_t>> arrivals; // (steady us, frames recorded by then)

    // The frame recorded at steady time `us`, judged from the pieces that arrived in the
    // 300 ms after it (or, at the very end, within a second of it): the one that came
    // soonest after its capture bounds it best. Pieces from before `us` are left out:
    // when the machine stands still the recording loses frames, and a bound from before
    // such a gap would place everything after it too late.
    std::size_t frameAt(qint64 us) const
    {
        auto originWithin = [&](double fromUs, double toUs) {
            double origin = 1e300;
            for (const auto& [at, n] : arrivals)
                if (at >= fromUs && at <= toUs)
                    origin = std::min(origin, at - double(n) * 1e6 / kOutputRate);
            return origin;
        };
        double origin = originWithin(double(us), double(us) + 300e3);
        if (origin == 1e300)
            origin = originWithin(double(us) - 1e6, double(us) + 1e6);
        return std::size_t(std::max(0.0, (double(us) - origin) * kOutputRate / 1e6));
    }

    // The steady time at which `frame` was captured, bounded the same way: by the pieces
    // that hold it or came within 300 ms after it (huge for a frame not recorded).
    double usOf(std::size_t frame) const
    {
        const auto first = std::upper_bound(arrivals.begin(), arrivals.end(), frame,
                                            [](std::size_t f, const auto& a) { return f < a.second; });
        double us = 1e300;
        if (first == arrivals.end())
            return us;
        for (auto a = first; a != arrivals.end() && a->first <= first->first + 300e3; ++a)
            us = std::min(us, a->first - double(a->second - frame) * 1e6 / kOutputRate);
        return us;
    }
};

// Records the sink's monitor in a thread of its own: through the sound server's PulseAudio
// interface, or from the raw output (mono, 16 bit, the output rate) of a capture command.
class MonitorRecorder {
public:
    MonitorRecorder()
    {
        const pa_sample_spec format{PA_SAMPLE_S16LE, kOutputRate, 1};
        pa_buffer_attr attr{};
        attr.maxlength = quint32(-1);
        attr.fragsize = quint32(pa_usec_to_bytes(5'000, &format));
        int error = 0;
        pa_ = pa_simple_new(nullptr, "voice test", PA_STREAM_RECORD, "bench.monitor", "monitor", &format, nullptr,
                            &attr, &error);
        if (pa_)
            thread_ = std::thread([this] { run(); });
    }
    explicit MonitorRecorder(std::vector<std::string> command)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        std::vector<char*> argv;
        for (std::string& a : command)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        const bool spawned = posix_spawnp(&child_, argv[0], &actions, nullptr, argv.data(), environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        if (!spawned) {
            ::close(fds[0]);
            child_ = 0;
            return;
        }
        pipe_ = fds[0];
        thread_ = std::thread([this] { run(); });
    }
    ~MonitorRecorder()
    {
        stop_ = true;
        if (child_ > 0)
            ::kill(child_, SIGINT); // its output ends, and with it the reading thread
        if (thread_.joinable())
            thread_.join();
        if (child_ > 0)
            ::waitpid(child_, nullptr, 0);
        if (pipe_ >= 0)
            ::close(pipe_);
        if (pa_)
            pa_simple_free(pa_);
    }
    bool ok() const { return pa_ != nullptr || pipe_ >= 0; }

    // Waits (at most a few seconds) until the monitor has delivered half a second of frames
    // in a row: a null sink's monitor that nobody recorded starts late and in bursts.
    bool settle()
    {
        for (int i = 0; i < 500; ++i) {
            {
                std::lock_guard lock(mutex_);
                const auto& a = recording_.arrivals;
                if (a.size() > 1 && a.back().second > kOutputRate / 2 && a.back().first - a.front().first > 500'000)
                    return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    Recording take()
    {
        std::lock_guard lock(mutex_);
        return recording_;
    }

private:
    // One piece into `piece`; false at the end of the capture.
    bool read(std::vector<qint16>& piece)
    {
        if (pa_) {
            int error = 0;
            return pa_simple_read(pa_, piece.data(), piece.size() * 2, &error) >= 0;
        }
        char* bytes = reinterpret_cast<char*>(piece.data());
        ssize_t n = ::read(pipe_, bytes, piece.size() * 2);
        if (n <= 0)
            return false;
        if (n % 2 && ::read(pipe_, bytes + n, 1) == 1)
            ++n; // a frame split between two reads
        piece.resize(std::size_t(n) / 2);
        return true;
    }

    void run()
    {
        std::vector<qint16> piece;
        while (!stop_) {
            piece.assign(220, 0);
            if (!read(piece))
                return;
            const double now = double(platform::steadyClock().nowUs());
            std::lock_guard lock(mutex_);
            recording_.frames.insert(recording_.frames.end(), piece.begin(), piece.end());
            recording_.arrivals.emplace_back(now, recording_.frames.size());
        }
    }

    pa_simple* pa_ = nullptr;
    pid_t child_ = 0;
    int pipe_ = -1;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    Recording recording_;
};

// Power of one pitch in frames [at, at + n) (Goertzel).
inline double power(const std::vector<qint16>& x, std::size_t at, std::size_t n, double hz)
{
    const double k = 2 * std::cos(2 * std::numbers::pi * hz / kOutputRate);
    double s1 = 0, s2 = 0;
    for (std::size_t i = at; i < at + n && i < x.size(); ++i) {
        const double s = x[i] + k * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    return s1 * s1 + s2 * s2 - k * s1 * s2;
}

// Where the pitch of note `which` first stands out in the window [from, to): its power
// above a floor and four times that of every other pitch.
inline std::optional<std::size_t> onsetOf(const std::vector<qint16>& x, int which, std::size_t from, std::size_t to)
{
    const std::size_t n = 441, step = 44; // 10 ms windows, 1 ms apart
    const double floor = std::pow(3000.0 * n / 2, 2);
    for (std::size_t at = from; at + n <= std::min(to, x.size()); at += step) {
        const double own = power(x, at, n, kPitches[which]);
        bool stands = own > floor;
        for (int other = 0; other < 4 && stands; ++other)
            stands = other == which || own > 4 * power(x, at, n, kPitches[other]);
        if (stands)
            return at;
    }
    return std::nullopt;
}

// The quiet 5 ms blocks (RMS under `level`) inside frames [from, to) of a tone. A break is
// one with the tone heard again after it; quiet blocks at the end with nothing after them
// are a tail cut short, which is what a recording that lost frames while the machine stood
// still looks like (the tone is all there, it only ends sooner in the recording).
struct QuietBlocks {
    int shortTailMs = 0;
    struct Break {
        std::size_t frame; // where the run of quiet blocks began
        int blocks;
    };
    std::vector<Break> runs; // each run of quiet blocks that broke the tone

    int breaks() const
    {
        int blocks = 0;
        for (const Break& b : runs)
            blocks += b.blocks;
        return blocks;
    }
};

inline QuietBlocks quietBlocksIn(const std::vector<qint16>& x, std::size_t from, std::size_t to, double level = 2000)
{
    QuietBlocks q;
    int quietRun = 0;
    for (std::size_t at = from; at + 220 <= std::min(to, x.size()); at += 220) {
        double energy = 0;
        for (std::size_t i = at; i < at + 220; ++i)
            energy += double(x[i]) * x[i];
        if (std::sqrt(energy / 220) < level) {
            ++quietRun;
        } else if (quietRun) {
            q.runs.push_back({at - std::size_t(quietRun) * 220, quietRun});
            quietRun = 0;
        }
    }
    q.shortTailMs = quietRun * 5;
    return q;
}

} // namespace heard
