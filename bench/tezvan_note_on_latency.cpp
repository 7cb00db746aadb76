// Note-on latency in process through tezvan's own window: key A (the physical key, xkb
// code 38) delivered to TForm1 plays sample 0 of the built-in bank through the system voice;
// measured to the moment that sample's first frame is written to the device. Needs an
// audio device. Usage: tezvan_note_on_latency [NOTES]
#include "NoteOnLatency.h"

#include "tezvan/core/SampleBank.h"
#include "tezvan/windows/SampleBankSound.h"
#include "tezvan/windows/TForm1.h"

#include "platform/Dialogs.h"
#include "platform/Voice.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int notes = argc > 1 ? std::max(10, std::atoi(argv[1])) : 1000;
    tezvan::SampleBank bank(platform::systemVoice());
    bank.loadBuiltIn();
    tezvan::SampleBankSound sound(bank);
    tezvan::TForm1 window(sound, platform::steadyClock(), platform::systemDialogs());
    window.FormCreate({});
    window.show();
    return bench::measureNoteOnLatency(
        window, notes,
        [](int) { return QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 38, 0x61, 0, QStringLiteral("a")); },
        "tezvan's TForm1, key A");
}
