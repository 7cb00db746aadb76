#include "CommandLine.h"

#include "tezvan/core/SampleExport.h"
#include "tezvan/core/TakeMidi.h"
#include "tezvan/core/TakeRenderer.h"

#include "identity/ProgramIdentity.h"

namespace tezvan {

const platform::CommandLineProgram& commandLine()
{
    static const platform::CommandLineProgram program{
        QStringLiteral("tezvan"),
        QStringLiteral("Tezvan - sanal saz ") + QString::fromUtf8(identity::kTezvanEdition),
        QString::fromUtf8(identity::kTezvanEdition),
        QStringLiteral("DOSYA.tnl"),
        QString::fromUtf8("Pencere açılırken açılacak nota listesi."),
        {
            {QStringLiteral("render"),
             {QStringLiteral("IN.tnl"), QStringLiteral("OUT.wav")},
             QString::fromUtf8("Nota listesini, çalındığında duyulacağı gibi bir WAVE dosyasına yazar."),
             [](const QStringList& a) { return renderCommand(a.at(0), a.at(1)); }},
            {QStringLiteral("export-samples"),
             {QStringLiteral("DIR")},
             QString::fromUtf8("On altı saz sesini DIR klasörüne 00.wav .. 15.wav olarak yazar."),
             [](const QStringList& a) { return exportSamplesCommand(a.at(0)); }},
            {QStringLiteral("export-midi"),
             {QStringLiteral("IN.tnl"), QStringLiteral("OUT.mid")},
             QString::fromUtf8("Nota listesini, çalındığı zamanlarla bir MIDI dosyasına yazar."),
             [](const QStringList& a) { return exportMidiCommand(a.at(0), a.at(1)); }},
        },
    };
    return program;
}

} // namespace tezvan
