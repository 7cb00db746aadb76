#include "AudioOutput.h"
#include "PreparedSound.h"

#include <QAudioSink>
#include <QMediaDevices>

namespace platform {
namespace {

class SystemAudioOutput final : public AudioOutput {
public:
    explicit SystemAudioOutput(qint64 bufferUs) : bufferUs_(bufferUs) {}
    ~SystemAudioOutput() override { close(); }

    bool deviceAvailable() const override { return !QMediaDevices::audioOutputs().isEmpty(); }

    bool open() override
    {
        close();
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return false;
        QAudioFormat format;
        format.setSampleRate(kOutputRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        sink_ = std::make_unique<QAudioSink>(device, format);
        // Push mode with a short buffer: what is queued ahead of a new note is what it waits for.
        sink_->setBufferSize(qsizetype(format.bytesForDuration(bufferUs_)));
        io_ = sink_->start();
        if (!io_ || sink_->error() != QAudio::NoError) {
            close();
            return false;
        }
        return true;
    }

    bool isOpen() const override
    {
        // An underrun is no failure: the voice lets the stream run dry while nothing sounds.
        return sink_ && io_ && sink_->state() != QAudio::StoppedState
            && (sink_->error() == QAudio::NoError || sink_->error() == QAudio::UnderrunError);
    }

    void close() override
    {
        if (sink_)
            sink_->stop();
        io_ = nullptr;
        sink_.reset();
    }

    qint64 bytesFree() const override { return sink_ ? sink_->bytesFree() : 0; }

    qint64 write(const char* data, qint64 bytes) override
    {
        if (!io_)
            return 0;
        const qint64 n = io_->write(data, bytes);
        return n < 0 ? 0 : n;
    }

private:
    const qint64 bufferUs_;
    std::unique_ptr<QAudioSink> sink_;
    QIODevice* io_ = nullptr;
};

} // namespace

std::unique_ptr<AudioOutput> makeSystemAudioOutput(qint64 bufferUs)
{
    return std::make_unique<SystemAudioOutput>(bufferUs);
}

} // namespace platform
