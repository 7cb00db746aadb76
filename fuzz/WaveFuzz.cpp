// RIFF/WAVE preparation (the bank's items and players' ".wbs" files): any bytes give a
// sound or a reason, never a fault; a prepared sound written as a wave file and prepared
// again comes back frame for frame (16-bit mono at the output rate is taken unchanged).

#include "FuzzCheck.h"

#include "platform/PreparedSound.h"
#include "platform/WaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QString whyNot;
    const platform::SoundPtr sound = platform::prepareSound(fuzz::input(data, size), &whyNot);
    FUZZ_CHECK(bool(sound) == whyNot.isEmpty());
    if (!sound)
        return 0;
    FUZZ_CHECK(!sound->frames().empty());
    FUZZ_CHECK(qint64(sound->frames().size()) <= platform::kMaxPreparedFrames);

    const QByteArray written = platform::waveFileImage(sound->frames(), platform::kOutputRate);
    const platform::SoundPtr again = platform::prepareSound(written);
    FUZZ_CHECK(again && again->frames() == sound->frames());
    return 0;
}
