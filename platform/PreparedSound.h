#pragma once
// A sound in the voice's output format (kOutputRate Hz, 16-bit, mono), converted once
// when it is loaded so that starting it costs nothing but a pointer swap.

#include <QByteArray>
#include <QtGlobal>
#include <memory>
#include <vector>

namespace platform {

constexpr int kOutputRate = 44100;
// Ten minutes: longer sounds are refused as damaged.
constexpr qint64 kMaxPreparedFrames = qint64(kOutputRate) * 600;

class PreparedSound {
public:
    explicit PreparedSound(std::vector<qint16> frames) : frames_(std::move(frames)) {}

    const std::vector<qint16>& frames() const { return frames_; }
    qint64 durationUs() const { return qint64(frames_.size()) * 1'000'000 / kOutputRate; }

private:
    std::vector<qint16> frames_;
};

using SoundPtr = std::shared_ptr<const PreparedSound>;

// Converts a complete RIFF/WAVE file image (PCM, 8 or 16 bit, mono or stereo, any rate;
// chunks other than "fmt " and "data" are skipped) to the output format. Null when the
// image is not such a file, or would last longer than kMaxPreparedFrames.
SoundPtr prepareSound(const QByteArray& riffImage);

} // namespace platform
