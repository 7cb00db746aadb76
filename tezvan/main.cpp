// tezvan: the virtual saz. "--export-samples DIR" and "--render IN OUT" run without a
// window; any other command line names a note file to open at start.
#include "tezvan/core/SampleBank.h"
#include "tezvan/core/KeyFile.h"
#include "tezvan/core/SampleExport.h"
#include "tezvan/core/TakeRenderer.h"
#include "tezvan/windows/SampleBankSound.h"
#include "tezvan/windows/TFRMTUS.h"
#include "tezvan/windows/TForm1.h"
#include "tezvan/windows/TForm3.h"
#include "tezvan/windows/Tprogramci.h"

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/Voice.h"

#include "identity/ProgramIdentity.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

namespace {

int commandWithoutWindow(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.at(1) == QLatin1String("--export-samples")) {
        if (args.size() != 3) {
            std::fputs("usage: tezvan --export-samples DIR\n", stderr);
            return 2;
        }
        return tezvan::exportSamplesCommand(args.at(2));
    }
    if (args.size() != 4) {
        std::fputs("usage: tezvan --render IN.tnl OUT.wav\n", stderr);
        return 2;
    }
    return tezvan::renderCommand(args.at(2), args.at(3));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && (std::strcmp(argv[1], "--export-samples") == 0 || std::strcmp(argv[1], "--render") == 0))
        return commandWithoutWindow(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tezvan"));
    // The taskbar's text credits the makers.
    platform::setApplicationTitle(QStringLiteral("Tezvan - sanal saz, ") + QString::fromUtf8(identity::kMakers));
    platform::loadQtTurkish();

    tezvan::SampleBank bank(platform::systemVoice());
    try {
        bank.loadBuiltIn();
    } catch (const tezvan::SampleBankError& e) {
        // The window cannot exist without its sounds.
        std::fprintf(stderr, "tezvan: %s\n", qPrintable(e.message()));
        platform::showError(platform::systemDialogs(), nullptr, e.message());
        return 3;
    }
    tezvan::SampleBankSound sound(bank);
    tezvan::TForm1 window(sound, platform::steadyClock(), platform::systemDialogs());
    window.FormCreate(app.arguments().mid(1));
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
