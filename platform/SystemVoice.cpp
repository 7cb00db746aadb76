// Placeholder until the audio-sink voice lands: silent, starts nothing.
#include "Voice.h"

namespace platform {
namespace {
class SilentVoice final : public Voice {
public:
    bool start(const SoundPtr&) override { return false; }
    void stop() override {}
};
} // namespace

Voice& systemVoice()
{
    static SilentVoice voice;
    return voice;
}
} // namespace platform
