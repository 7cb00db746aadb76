#pragma once
// An audio output for tests: a device buffer of fixed size that the test drains by hand
// (or that drains itself on every write, for the threaded voice), logging every frame
// written. Thread-safe, and waitable: a test waits on a condition, never by polling.

#include "platform/AudioOutput.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

namespace testing_support {

class TestSink final : public platform::AudioOutput {
public:
    std::atomic<bool> device{true};
    std::atomic<bool> failOpen{false};

    bool deviceAvailable() const override { return device.load(); }

    bool open() override
    {
        std::lock_guard lock(mutex_);
        ++opens_;
        open_ = device.load() && !failOpen.load();
        return open_;
    }

    bool isOpen() const override
    {
        std::lock_guard lock(mutex_);
        return open_ && device.load();
    }

    void close() override
    {
        std::lock_guard lock(mutex_);
        open_ = false;
    }

    qint64 bytesFree() const override
    {
        std::lock_guard lock(mutex_);
        return open_ ? capacityBytes_ - queuedBytes_ : 0;
    }

    qint64 write(const char* data, qint64 bytes) override
    {
        std::lock_guard lock(mutex_);
        if (!open_)
            return 0;
        const qint64 n = std::min({bytes, capacityBytes_ - queuedBytes_, maxWriteBytes_});
        bytes_.insert(bytes_.end(), data, data + n);
        queuedBytes_ = drainsItself_ ? 0 : queuedBytes_ + n;
        ++writes_;
        changed_.notify_all();
        return n;
    }

    // Test side.

    void setCapacity(qint64 bytes, bool drainsItself = false)
    {
        std::lock_guard lock(mutex_);
        capacityBytes_ = bytes;
        drainsItself_ = drainsItself;
    }
    // Most bytes one write call takes (a device that takes odd pieces).
    void setMaxWrite(qint64 bytes)
    {
        std::lock_guard lock(mutex_);
        maxWriteBytes_ = bytes;
    }
    // The device plays this many queued bytes.
    void drain(qint64 bytes)
    {
        std::lock_guard lock(mutex_);
        queuedBytes_ = std::max<qint64>(0, queuedBytes_ - bytes);
    }

    // Whole frames written so far, in order.
    std::vector<qint16> frames() const
    {
        std::lock_guard lock(mutex_);
        std::vector<qint16> f(bytes_.size() / 2);
        std::copy_n(bytes_.data(), f.size() * 2, reinterpret_cast<char*>(f.data()));
        return f;
    }
    int opens() const
    {
        std::lock_guard lock(mutex_);
        return opens_;
    }
    int writes() const
    {
        std::lock_guard lock(mutex_);
        return writes_;
    }

    // Waits until the frames written satisfy pred (true), or the time is up (false).
    template <typename Pred> bool waitFor(Pred pred, std::chrono::milliseconds limit = std::chrono::seconds(5))
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, limit, [&] {
            std::vector<qint16> f(bytes_.size() / 2);
            std::copy_n(bytes_.data(), f.size() * 2, reinterpret_cast<char*>(f.data()));
            return pred(f);
        });
    }

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<char> bytes_;
    qint64 capacityBytes_ = 882;
    qint64 queuedBytes_ = 0;
    qint64 maxWriteBytes_ = 1 << 30;
    bool drainsItself_ = false;
    bool open_ = false;
    int opens_ = 0;
    int writes_ = 0;
};

} // namespace testing_support
