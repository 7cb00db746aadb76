#include "PulseVoice.h"
#include "Clock.h"
#include "RealTime.h"

#include <pulse/pulseaudio.h>

#include <mutex>
#include <sys/eventfd.h>
#include <unistd.h>
#include <vector>

namespace platform {

// Everything that touches libpulse runs on the main loop's own thread, with its lock held:
// the callbacks, and the hand-over of a started sound, which the starting thread signals
// through an eventfd instead of taking the lock (a note never waits for the loop).
class PulseVoice::Loop {
public:
    Loop(OneVoiceMixer& mixer, const Options& options)
        : mixer_(mixer), options_(options), idleFrames_(qint64(options.idleAfterMs) * kOutputRate / 1000)
    {
        wakeFd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
        mainloop_ = pa_threaded_mainloop_new();
        if (wakeFd_ < 0 || !mainloop_)
            return;
        pa_threaded_mainloop_set_name(mainloop_, "voice");
        api_ = pa_threaded_mainloop_get_api(mainloop_);
        // Events are added before the loop runs: after that, only with the loop's lock held.
        wakeEvent_ = api_->io_new(api_, wakeFd_, PA_IO_EVENT_INPUT, &Loop::onWake, this);
        pa_threaded_mainloop_once_unlocked(
            mainloop_, [](pa_threaded_mainloop*, void*) { askForRealTime(); }, nullptr);
        if (pa_threaded_mainloop_start(mainloop_) < 0)
            return;
        running_ = true;

        // At start-up, and only then, the caller waits for the server: at most the timeout,
        // and a missing server answers within milliseconds.
        pa_threaded_mainloop_lock(mainloop_);
        connectContext();
        if (context_) {
            pa_time_event* deadline = pa_context_rttime_new(
                context_, pa_rtclock_now() + pa_usec_t(options_.connectTimeoutMs) * 1000, &Loop::onDeadline, this);
            while (!ready_.load() && !gaveUp_ && !deadlinePassed_)
                pa_threaded_mainloop_wait(mainloop_);
            if (deadline)
                api_->time_free(deadline);
        }
        pa_threaded_mainloop_unlock(mainloop_);
    }

    ~Loop()
    {
        if (running_) {
            pa_threaded_mainloop_lock(mainloop_);
            closeAll();
            if (wakeEvent_)
                api_->io_free(wakeEvent_);
            pa_threaded_mainloop_unlock(mainloop_);
            pa_threaded_mainloop_stop(mainloop_);
        } else if (wakeEvent_) {
            api_->io_free(wakeEvent_);
        }
        if (mainloop_)
            pa_threaded_mainloop_free(mainloop_);
        if (wakeFd_ >= 0)
            ::close(wakeFd_);
    }

    bool ready() const { return ready_.load(std::memory_order_acquire); }

    // From any thread: the loop looks at the mixer (and, with no server, tries to connect).
    void wake(bool reconnect = false)
    {
        if (reconnect)
            reconnectWanted_.store(true, std::memory_order_release);
        const quint64 one = 1;
        if (wakeFd_ >= 0 && ::write(wakeFd_, &one, sizeof one) < 0) {
            // Only a counter at its limit refuses, and then a wake is pending anyway.
        }
    }

    Counters counters() const { return {underflows_.load(), corks_.load(), soundsWritten_.load()}; }

    void setObserver(std::function<void(qint64)> observer)
    {
        std::lock_guard lock(observerMutex_);
        observer_ = std::move(observer);
    }

private:
    void connectContext()
    {
        gaveUp_ = false;
        context_ = pa_context_new(api_, "Tezvan");
        if (!context_) {
            gaveUp_ = true;
            return;
        }
        pa_context_set_state_callback(context_, &Loop::onContextState, this);
        const char* server = options_.server.isEmpty() ? nullptr : options_.server.constData();
        if (pa_context_connect(context_, server, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            gaveUp_ = true;
    }

    void openStream()
    {
        const pa_sample_spec format{PA_SAMPLE_S16LE, kOutputRate, 1};
        stream_ = pa_stream_new(context_, "Tezvan", &format, nullptr);
        if (!stream_) {
            gaveUp_ = true;
            return;
        }
        pa_stream_set_state_callback(stream_, &Loop::onStreamState, this);
        pa_stream_set_write_callback(stream_, &Loop::onWriteRequest, this);
        pa_stream_set_underflow_callback(stream_, &Loop::onUnderflow, this);
        // A short queue that the server keeps short all the way to the device; the rest is
        // the server's choice. A new sound replaces the queue, so its length costs no latency.
        pa_buffer_attr attr;
        attr.maxlength = quint32(-1);
        attr.tlength = quint32(pa_usec_to_bytes(pa_usec_t(options_.targetMs) * 1000, &format));
        attr.prebuf = quint32(-1);
        attr.minreq = quint32(pa_usec_to_bytes(pa_usec_t(options_.minRequestMs) * 1000, &format));
        attr.fragsize = quint32(-1);
        const auto flags = pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY | PA_STREAM_START_CORKED);
        if (pa_stream_connect_playback(stream_, nullptr, &attr, flags, nullptr, nullptr) < 0)
            gaveUp_ = true;
    }

    void closeAll()
    {
        ready_.store(false, std::memory_order_release);
        if (stream_) {
            pa_stream_set_state_callback(stream_, nullptr, nullptr);
            pa_stream_set_write_callback(stream_, nullptr, nullptr);
            pa_stream_set_underflow_callback(stream_, nullptr, nullptr);
            pa_stream_disconnect(stream_);
            pa_stream_unref(stream_);
            stream_ = nullptr;
        }
        if (context_) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
            pa_context_unref(context_);
            context_ = nullptr;
        }
    }

    void streamReady()
    {
        const pa_buffer_attr* attr = pa_stream_get_buffer_attr(stream_);
        // A new sound must cover everything queued, and a corked stream needs its
        // pre-buffer before it plays at all.
        const std::size_t bytes =
            std::max<std::size_t>(attr->tlength, attr->prebuf == quint32(-1) ? 0 : attr->prebuf);
        noteBlock_.assign((bytes + 1) / 2, 0);
        corked_ = true;
        handledChanges_ = mixer_.changes();
        silentFrames_ = 0;
        ready_.store(true, std::memory_order_release);
    }

    // A sound was started or stopped since the last write: its first frames go over what is
    // queued and not yet played, so it sounds now, not after the queue.
    void writeChange()
    {
        const OneVoiceMixer::Pulled p = mixer_.pull(noteBlock_);
        handledChanges_ = p.changes;
        if (corked_ && p.soundFrames == 0)
            return; // a stop while idle: nothing sounds that needs silencing
        pa_stream_write(stream_, noteBlock_.data(), noteBlock_.size() * 2, nullptr, 0, PA_SEEK_RELATIVE_ON_READ);
        if (p.startsSound)
            firstFrameWritten();
        countSilence(p, qsizetype(noteBlock_.size()));
        if (corked_ && p.soundFrames > 0) {
            corked_ = false;
            if (pa_operation* op = pa_stream_cork(stream_, 0, nullptr, nullptr))
                pa_operation_unref(op);
        }
    }

    // The server asks for more: the sound goes on behind the queue.
    void fill(std::size_t bytes)
    {
        while (bytes >= 2) {
            if (mixer_.changes() != handledChanges_) {
                writeChange();
                return;
            }
            void* data = nullptr;
            std::size_t n = bytes;
            if (pa_stream_begin_write(stream_, &data, &n) < 0 || !data || n < 2)
                return;
            n &= ~std::size_t(1);
            const std::span<qint16> block(static_cast<qint16*>(data), n / 2);
            const OneVoiceMixer::Pulled p = mixer_.pullIfUnchanged(block, handledChanges_);
            if (p.changes != handledChanges_) {
                pa_stream_cancel_write(stream_);
                writeChange();
                return;
            }
            pa_stream_write(stream_, data, n, nullptr, 0, PA_SEEK_RELATIVE);
            countSilence(p, qsizetype(block.size()));
            bytes -= n;
        }
        // Silence for a while: cork, so that an idle program costs no wake-ups.
        if (!corked_ && silentFrames_ >= idleFrames_ && !mixer_.sounding()) {
            corked_ = true;
            corks_.fetch_add(1);
            if (pa_operation* op = pa_stream_cork(stream_, 1, nullptr, nullptr))
                pa_operation_unref(op);
        }
    }

    void countSilence(const OneVoiceMixer::Pulled& p, qsizetype frames)
    {
        silentFrames_ = p.soundFrames > 0 ? frames - p.soundFrames : silentFrames_ + frames;
    }

    void firstFrameWritten()
    {
        soundsWritten_.fetch_add(1);
        std::lock_guard lock(observerMutex_);
        if (observer_)
            observer_(steadyClock().nowUs());
    }

    void reconnectIfGone()
    {
        if (ready_.load() || !reconnectWanted_.exchange(false))
            return;
        const bool contextUp = context_ && pa_context_get_state(context_) == PA_CONTEXT_READY;
        const bool streamComing = stream_ && PA_STREAM_IS_GOOD(pa_stream_get_state(stream_));
        const bool contextComing = context_ && PA_CONTEXT_IS_GOOD(pa_context_get_state(context_));
        if (contextUp && !streamComing) {
            if (stream_) {
                pa_stream_set_state_callback(stream_, nullptr, nullptr);
                pa_stream_unref(stream_);
                stream_ = nullptr;
            }
            openStream();
        } else if (!contextComing) {
            closeAll();
            connectContext();
        }
    }

    static void onWake(pa_mainloop_api*, pa_io_event*, int fd, pa_io_event_flags_t, void* self)
    {
        quint64 count;
        if (::read(fd, &count, sizeof count) < 0) {
            // Nothing to read: woken by a write already consumed; look at the mixer anyway.
        }
        auto* loop = static_cast<Loop*>(self);
        if (!loop->ready())
            loop->reconnectIfGone();
        else if (loop->mixer_.changes() != loop->handledChanges_)
            loop->writeChange(); // unless a write request took the change first
    }

    static void onContextState(pa_context* c, void* self)
    {
        auto* loop = static_cast<Loop*>(self);
        const pa_context_state_t state = pa_context_get_state(c);
        if (state == PA_CONTEXT_READY)
            loop->openStream();
        loop->stateChanged(!PA_CONTEXT_IS_GOOD(state));
    }

    static void onStreamState(pa_stream* s, void* self)
    {
        auto* loop = static_cast<Loop*>(self);
        const pa_stream_state_t state = pa_stream_get_state(s);
        if (state == PA_STREAM_READY)
            loop->streamReady();
        loop->stateChanged(!PA_STREAM_IS_GOOD(state));
    }

    // The context or the stream moved on: a failure silences the voice until a reconnection,
    // and a constructor waiting for the server is woken either way.
    void stateChanged(bool failed)
    {
        if (failed) {
            ready_.store(false, std::memory_order_release);
            gaveUp_ = true;
        }
        pa_threaded_mainloop_signal(mainloop_, 0);
    }

    static void onWriteRequest(pa_stream*, std::size_t bytes, void* self)
    {
        auto* loop = static_cast<Loop*>(self);
        if (loop->ready())
            loop->fill(bytes);
    }

    static void onUnderflow(pa_stream*, void* self)
    {
        auto* loop = static_cast<Loop*>(self);
        if (!loop->corked_)
            loop->underflows_.fetch_add(1);
    }

    static void onDeadline(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* self)
    {
        auto* loop = static_cast<Loop*>(self);
        loop->deadlinePassed_ = true;
        pa_threaded_mainloop_signal(loop->mainloop_, 0);
    }

    OneVoiceMixer& mixer_;
    const Options options_;
    const qint64 idleFrames_;
    int wakeFd_ = -1;
    pa_threaded_mainloop* mainloop_ = nullptr;
    pa_mainloop_api* api_ = nullptr;
    pa_io_event* wakeEvent_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    bool running_ = false;

    // The loop's thread only (or the constructor, with the lock held).
    bool gaveUp_ = false;
    bool deadlinePassed_ = false;
    bool corked_ = true;
    quint64 handledChanges_ = 0;
    qint64 silentFrames_ = 0;
    std::vector<qint16> noteBlock_; // sized when the stream opens, so a note allocates nothing

    std::atomic<bool> ready_{false};
    std::atomic<bool> reconnectWanted_{false};
    std::atomic<quint64> underflows_{0};
    std::atomic<quint64> corks_{0};
    std::atomic<quint64> soundsWritten_{0};
    std::mutex observerMutex_;
    std::function<void(qint64)> observer_;
};

PulseVoice::PulseVoice() : PulseVoice(Options{}) {}

PulseVoice::PulseVoice(Options options) : loop_(std::make_unique<Loop>(mixer_, options)) {}

PulseVoice::~PulseVoice() = default;

bool PulseVoice::start(const SoundPtr& sound)
{
    if (!sound)
        return false;
    if (!loop_->ready()) {
        mixer_.stop();
        loop_->wake(/*reconnect=*/true);
        return false;
    }
    mixer_.start(sound);
    loop_->wake();
    return true;
}

void PulseVoice::stop()
{
    mixer_.stop();
    loop_->wake();
}

bool PulseVoice::connected() const
{
    return loop_->ready();
}

PulseVoice::Counters PulseVoice::counters() const
{
    return loop_->counters();
}

void PulseVoice::setFirstFrameObserver(std::function<void(qint64 steadyUs)> observer)
{
    loop_->setObserver(std::move(observer));
}

} // namespace platform
