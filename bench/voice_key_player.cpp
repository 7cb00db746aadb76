// A stand-in program for the end-to-end benches: a small window that sounds a test note
// through the system voice on each letter key, on press (default) or, with
// --on-release, on release.
#include "BenchSound.h"

#include "platform/Voice.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

class KeyPlayer final : public QWidget {
public:
    KeyPlayer(platform::SoundPtr sound, bool onRelease) : sound_(std::move(sound)), onRelease_(onRelease)
    {
        setWindowTitle(QStringLiteral("voice_key_player"));
    }

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (!onRelease_ && !e->isAutoRepeat() && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z)
            platform::systemVoice().start(sound_);
    }
    void keyReleaseEvent(QKeyEvent* e) override
    {
        if (onRelease_ && !e->isAutoRepeat() && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z)
            platform::systemVoice().start(sound_);
    }

private:
    platform::SoundPtr sound_;
    bool onRelease_;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool onRelease = QCoreApplication::arguments().contains(QStringLiteral("--on-release"));
    KeyPlayer w(bench::testNote(), onRelease);
    w.resize(200, 100);
    w.show();
    platform::systemVoice(); // open the device before the first key
    return app.exec();
}
