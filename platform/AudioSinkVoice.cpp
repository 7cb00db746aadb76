#include "AudioSinkVoice.h"
#include "RealTime.h"
#include "SinkFeeder.h"

#include <QTimer>

namespace platform {

// Lives on the audio thread: owns the top-up timer and every use of the output.
class AudioSinkVoice::Worker final : public QObject {
public:
    Worker(OneVoiceMixer& mixer, AudioOutput& output, std::atomic<bool>& wakePending, int periodMs, int idleAfterMs)
        : mixer_(mixer), output_(output), feeder_(mixer, output, steadyClock()), wakePending_(wakePending),
          periodMs_(periodMs), idleAfterUs_(qint64(idleAfterMs) * 1000)
    {
    }

    void init()
    {
        askForRealTime();
        timer_ = new QTimer(this);
        timer_->setTimerType(Qt::PreciseTimer);
        timer_->setInterval(periodMs_);
        connect(timer_, &QTimer::timeout, this, &Worker::tick);
        if (output_.deviceAvailable())
            openOutput();
    }

    // A sound was started or stopped: hand the change to the device now, not at the next tick.
    void wake()
    {
        wakePending_.store(false, std::memory_order_release);
        // A stop needs no device; a start opens one that appeared since.
        if (!output_.isOpen() && (!mixer_.sounding() || !openOutput()))
            return;
        quietSinceUs_ = -1;
        if (!timer_->isActive())
            timer_->start();
        feeder_.topUp();
    }

    void setObserver(SinkFeeder::FirstFrameObserver observer) { feeder_.setFirstFrameObserver(std::move(observer)); }

    void shutdown()
    {
        delete timer_;
        timer_ = nullptr;
        output_.close();
    }

private:
    void tick()
    {
        if (!output_.isOpen()) {
            // The device went away; the next start looks for one again.
            timer_->stop();
            output_.close();
            feeder_.reset();
            return;
        }
        feeder_.topUp();
        // Silence for a while: stop the timer and let the stream run dry, so an idle
        // program costs no CPU. The next start writes a whole buffer at once, which starts
        // the stream again without waiting for a tick.
        if (mixer_.sounding()) {
            quietSinceUs_ = -1;
        } else {
            const qint64 now = steadyClock().nowUs();
            if (quietSinceUs_ < 0)
                quietSinceUs_ = now;
            else if (now - quietSinceUs_ >= idleAfterUs_)
                timer_->stop();
        }
    }

    bool openOutput()
    {
        feeder_.reset();
        if (!output_.open())
            return false;
        timer_->start();
        return true;
    }

    OneVoiceMixer& mixer_;
    AudioOutput& output_;
    SinkFeeder feeder_;
    std::atomic<bool>& wakePending_;
    const int periodMs_;
    const qint64 idleAfterUs_;
    QTimer* timer_ = nullptr;
    qint64 quietSinceUs_ = -1;
};

AudioSinkVoice::AudioSinkVoice(std::unique_ptr<AudioOutput> output, int topUpPeriodMs, int idleAfterMs)
    : output_(std::move(output))
{
    worker_ = new Worker(mixer_, *output_, wakePending_, topUpPeriodMs, idleAfterMs);
    worker_->moveToThread(&thread_);
    thread_.setObjectName(QStringLiteral("voice"));
    thread_.start(QThread::TimeCriticalPriority);
    QMetaObject::invokeMethod(
        worker_, [w = worker_] { w->init(); }, Qt::QueuedConnection);
}

AudioSinkVoice::~AudioSinkVoice()
{
    mixer_.stop();
    QMetaObject::invokeMethod(
        worker_, [w = worker_] { w->shutdown(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
    delete worker_;
}

bool AudioSinkVoice::start(const SoundPtr& sound)
{
    if (!sound)
        return false;
    if (!output_->deviceAvailable()) {
        mixer_.stop();
        return false;
    }
    mixer_.start(sound);
    wake();
    return true;
}

void AudioSinkVoice::stop()
{
    mixer_.stop();
    wake();
}

void AudioSinkVoice::wake()
{
    // One wake in flight is enough: it pulls whatever the mixer holds by then.
    if (!wakePending_.exchange(true, std::memory_order_acq_rel))
        QMetaObject::invokeMethod(
            worker_, [w = worker_] { w->wake(); }, Qt::QueuedConnection);
}

void AudioSinkVoice::setFirstFrameObserver(std::function<void(qint64 steadyUs)> observer)
{
    QMetaObject::invokeMethod(
        worker_, [w = worker_, o = std::move(observer)]() mutable { w->setObserver(std::move(o)); },
        Qt::BlockingQueuedConnection);
}

} // namespace platform
