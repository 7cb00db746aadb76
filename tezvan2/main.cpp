// tezvan2: the picture saz. The command line's own answers (help, version, "--render
// IN.nota OUT.wav") come first; otherwise the main window and its event loop.

#include "CommandLine.h"

#include "tezvan2/windows/Tfrmana.h"

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/LiveMidiNotes.h"
#include "platform/MidiPorts.h"
#include "platform/Shell.h"
#include "platform/Voice.h"

#include "identity/ProgramIdentity.h"

#include <QApplication>

int main(int argc, char** argv)
{
    if (const std::optional<int> answered = platform::answerWithoutWindow(tezvan2::commandLine(), argc, argv))
        return *answered;

    QApplication app(argc, argv);
    QApplication::setApplicationName(tezvan2::commandLine().name);
    // It opens no file from the command line; what it does not know is still an error.
    if (!platform::windowFiles(tezvan2::commandLine(), app.arguments()))
        return platform::kCommandLineMisuse;
    platform::setApplicationTitle(QString::fromUtf8(identity::kTezvan2Title));
    platform::loadQtTurkish();
    // The live MIDI ports, named as the desktop names the program.
    platform::MidiPorts midiPorts(QStringLiteral("Tezvan 2"));
    platform::LiveMidiNotes midi(midiPorts);
    QObject::connect(&midiPorts, &platform::MidiPorts::noteOnReceived, &midi, &platform::LiveMidiNotes::keyReceived);
    tezvan2::Tfrmana frmana({platform::systemVoice(),
                             platform::steadyClock(),
                             platform::systemDialogs(),
                             platform::systemShell(),
                             {},
                             &midi});
    frmana.show();
    return app.exec();
}
