// The process-wide voice on the default audio device. It is shut down with the
// application object, while the sound system it uses still exists.
#include "AudioSinkVoice.h"

#include <QCoreApplication>

namespace platform {
namespace {

AudioSinkVoice* instance = nullptr;

void shutDown()
{
    delete instance;
    instance = nullptr;
}

} // namespace

AudioSinkVoice& systemAudioSinkVoice()
{
    if (!instance) {
        instance = new AudioSinkVoice(makeSystemAudioOutput());
        qAddPostRoutine(shutDown);
    }
    return *instance;
}

Voice& systemVoice()
{
    return systemAudioSinkVoice();
}

} // namespace platform
