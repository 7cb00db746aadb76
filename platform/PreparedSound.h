#pragma once
// A sound in the voice's output format (kOutputRate Hz, 16-bit, mono), converted once
// when it is loaded so that starting it costs nothing but a pointer swap.

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <memory>
#include <vector>

namespace platform {

constexpr int kOutputRate = 44100;
// Ten minutes: longer sounds are refused as damaged.
constexpr qint64 kMaxPreparedFrames = qint64(kOutputRate) * 600;
// The rates a recording may have; anything outside is a damaged header.
constexpr int kMinSourceRate = 1000;
constexpr int kMaxSourceRate = 384000;

class PreparedSound {
public:
    explicit PreparedSound(std::vector<qint16> frames) : frames_(std::move(frames)) {}

    const std::vector<qint16>& frames() const { return frames_; }
    qint64 durationUs() const { return qint64(frames_.size()) * 1'000'000 / kOutputRate; }

private:
    std::vector<qint16> frames_;
};

using SoundPtr = std::shared_ptr<const PreparedSound>;

// Converts a complete RIFF/WAVE file image to the output format: integer PCM of 8
// (unsigned), 16, 24 or 32 bits or IEEE float of 32 or 64 bits, plain or
// WAVE_FORMAT_EXTENSIBLE, any number of channels (averaged to one), at any rate from
// kMinSourceRate to kMaxSourceRate; other chunks, anywhere, are skipped. Another rate
// than kOutputRate is converted with a band-limited resampler (no images, no aliases);
// 16-bit mono at kOutputRate is taken over unchanged. A data chunk cut short gives what
// it holds.
// Null when the image cannot be played, or would last longer than kMaxPreparedFrames;
// whyNot (when given) then says why, in plain words ("it has no data chunk").
SoundPtr prepareSound(const QByteArray& riffImage, QString* whyNot = nullptr);

} // namespace platform
