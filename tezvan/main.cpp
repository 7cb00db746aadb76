// tezvan: the virtual saz. The command line's own answers (help, version, the commands
// that run without a window) come first; otherwise a note file named on it opens at start.
#include "CommandLine.h"

#include "tezvan/core/KeyFile.h"
#include "tezvan/core/NotePitches.h"
#include "tezvan/core/SampleBank.h"
#include "tezvan/windows/MidiNoteSound.h"
#include "tezvan/windows/SampleBankSound.h"
#include "tezvan/windows/TFRMTUS.h"
#include "tezvan/windows/TForm1.h"
#include "tezvan/windows/TForm3.h"
#include "tezvan/windows/Tprogramci.h"

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
    if (const std::optional<int> answered = platform::answerWithoutWindow(tezvan::commandLine(), argc, argv))
        return *answered;

    QApplication app(argc, argv);
    QApplication::setApplicationName(tezvan::commandLine().name);
    const std::optional<QStringList> files = platform::windowFiles(tezvan::commandLine(), app.arguments());
    if (!files)
        return platform::kCommandLineMisuse;
    // The taskbar's text credits the makers.
    platform::setApplicationTitle(QStringLiteral("Tezvan - sanal saz, ") + QString::fromUtf8(identity::kMakers));
    platform::loadQtTurkish();

    tezvan::SampleBank bank(platform::systemVoice());
    try {
        bank.loadBuiltIn();
    } catch (const tezvan::SampleBankError& e) {
        // The window cannot exist without its sounds.
        platform::reportCommandLineError(tezvan::commandLine().name, e.message());
        platform::showError(platform::systemDialogs(), nullptr, e.message());
        return 3;
    }
    tezvan::SampleBankSound bankSound(bank);
    // The live MIDI ports, named as the desktop names the program; every note sounded goes out.
    platform::MidiPorts midiPorts(QStringLiteral("Tezvan"));
    platform::LiveMidiNotes midi(midiPorts);
    midi.setNotePitches({tezvan::kNotePitchesHz.begin(), tezvan::kNotePitchesHz.end()});
    QObject::connect(&midiPorts, &platform::MidiPorts::noteOnReceived, &midi, &platform::LiveMidiNotes::keyReceived);
    tezvan::MidiNoteSound sound(bankSound, midi);
    tezvan::TForm1 window(sound, platform::steadyClock(), platform::systemDialogs());
    QObject::connect(&midi, &platform::LiveMidiNotes::notePlayed, &window, &tezvan::TForm1::playNote);
    window.FormCreate(*files);
    // The windows are made in order, each whole before the next, and afterwards only shown
    // and hidden: help, the key window (which puts the stored keys in force before the main
    // window shows) and the programmer's. They go with the main window when it is minimised.
    tezvan::TForm3 help(&window);
    tezvan::TFRMTUS keys(window, platform::systemDialogs(), tezvan::keyFilePlace());
    tezvan::Tprogramci programmer(platform::systemShell(), &window);
    window.setHelpWindow(&help);
    window.setProgrammerWindow(&programmer);
    window.show();
    return app.exec();
}
