// tezvan2: the picture saz. "tezvan2 --render IN.nota OUT.wav" writes what DİNLE would
// sound for a note file, with no window; otherwise the main window and its event loop.

#include "tezvan2/core/RenderNota.h"
#include "tezvan2/windows/Tfrmana.h"

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/Voice.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStringList>

namespace {

// The render needs no display: it runs before any window system is touched.
int renderIfAsked(int argc, char** argv, bool& asked)
{
    asked = argc >= 2 && QByteArray(argv[1]) == "--render";
    if (!asked)
        return 0;
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        fprintf(stderr, "usage: tezvan2 --render IN.nota OUT.wav\n");
        return 2;
    }
    return tezvan2::renderNotaCommand(args.at(2), args.at(3));
}

} // namespace

int main(int argc, char** argv)
{
    bool render = false;
    const int rendered = renderIfAsked(argc, argv, render);
    if (render)
        return rendered;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tezvan2"));
    platform::setApplicationTitle(QStringLiteral("Wintezvan2"));
    platform::loadQtTurkish();
    tezvan2::Tfrmana frmana({platform::systemVoice(), platform::steadyClock(), platform::systemDialogs(),
                             platform::systemShell(), {}});
    frmana.show();
    return app.exec();
}
