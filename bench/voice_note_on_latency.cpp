// Note-on latency in process: a key event delivered to a small widget that starts a
// prepared sound through the system voice, to the moment that sound's first frame is
// written to the device. Needs an audio device. Usage: voice_note_on_latency [NOTES]
#include "BenchSound.h"
#include "NoteOnLatency.h"

#include "platform/Voice.h"

namespace {

class NoteWidget final : public QWidget {
public:
    explicit NoteWidget(platform::SoundPtr sound) : sound_(std::move(sound)) {}

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->key() == Qt::Key_A)
            platform::systemVoice().start(sound_);
    }

private:
    platform::SoundPtr sound_;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int notes = argc > 1 ? std::max(10, std::atoi(argv[1])) : 1000;
    NoteWidget widget(bench::testNote());
    widget.resize(100, 100);
    widget.show();
    return bench::measureNoteOnLatency(
        widget, notes,
        [](int) { return QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a")); },
        "small widget");
}
