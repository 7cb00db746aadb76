#pragma once
// One voice: the only way either program makes a sound. Starting a sound cuts off
// the one still sounding; stopping silences it. Not a mixer: two sounds never overlap.

#include "PreparedSound.h"

namespace platform {

class Voice {
public:
    virtual ~Voice() = default;

    // Starts the sound from its first frame, cutting off whatever still sounds.
    // False, and silence, when nothing was started: a null sound, or no output device
    // (looked for afresh on every start).
    virtual bool start(const SoundPtr& sound) = 0;

    // Silences whatever sounds. Harmless when nothing does.
    virtual void stop() = 0;
};

// The process-wide voice on the real audio device (silent where there is none).
Voice& systemVoice();

} // namespace platform
