// The process-wide voice: on libpulse where the desktop has it (PulseAudio, or PipeWire's
// PulseAudio server), elsewhere on a Qt audio sink. It is shut down with the application
// object, while the sound system it uses still exists.
#if defined(TEZVAN_HAVE_PULSE)
#include "PulseVoice.h"
#else
#include "AudioSinkVoice.h"
#endif

#include <QCoreApplication>

namespace platform {
namespace {

#if defined(TEZVAN_HAVE_PULSE)
using SystemVoice = PulseVoice;
SystemVoice* makeVoice()
{
    return new PulseVoice;
}
#else
using SystemVoice = AudioSinkVoice;
SystemVoice* makeVoice()
{
    return new AudioSinkVoice(makeSystemAudioOutput());
}
#endif

SystemVoice* instance = nullptr;

void shutDown()
{
    delete instance;
    instance = nullptr;
}

SystemVoice& theVoice()
{
    if (!instance) {
        instance = makeVoice();
        qAddPostRoutine(shutDown);
    }
    return *instance;
}

} // namespace

#if defined(TEZVAN_HAVE_PULSE)
PulseVoice& systemPulseVoice()
{
    return theVoice();
}
#else
AudioSinkVoice& systemAudioSinkVoice()
{
    return theVoice();
}
#endif

Voice& systemVoice()
{
    return theVoice();
}

} // namespace platform
