#include "CommandLine.h"

#include "tezvan2/core/NotaMidi.h"
#include "tezvan2/core/RenderNota.h"

#include "identity/ProgramIdentity.h"

namespace tezvan2 {

const platform::CommandLineProgram& commandLine()
{
    static const platform::CommandLineProgram program{
        QStringLiteral("tezvan2"),
        QStringLiteral("Wintezvan ") + QString::fromUtf8(identity::kTezvan2Edition),
        QString::fromUtf8(identity::kTezvan2Edition),
        {},
        {},
        {
            {QStringLiteral("render"),
             {QStringLiteral("IN.nota"), QStringLiteral("OUT.wav")},
             QString::fromUtf8("Nota dosyasını, DİNLE ile duyulacağı gibi bir WAVE dosyasına yazar."),
             [](const QStringList& a) { return renderNotaCommand(a.at(0), a.at(1)); }},
            {QStringLiteral("export-midi"),
             {QStringLiteral("IN.nota"), QStringLiteral("OUT.mid")},
             QString::fromUtf8("Nota dosyasını, DİNLE ile çalınacağı zamanlarla bir MIDI dosyasına yazar."),
             [](const QStringList& a) { return exportMidiCommand(a.at(0), a.at(1)); }},
        },
    };
    return program;
}

} // namespace tezvan2
