#include "SampleExport.h"

#include "SampleBank.h"
#include "platform/CommandLine.h"
#include "platform/WholeFile.h"

#include <QDir>

namespace tezvan {
namespace {

// The bank is only read here; nothing is played, so the voice does nothing.
class NoVoice final : public platform::Voice {
public:
    bool start(const platform::SoundPtr&) override { return false; }
    void stop() override {}
};

} // namespace

int exportSamplesCommand(const QString& dir)
{
    if (dir.isEmpty()) {
        platform::reportCommandLineError(QStringLiteral("tezvan"),
                                         QStringLiteral("--export-samples needs a folder to write to"));
        return 2;
    }
    NoVoice voice;
    SampleBank bank(voice);
    try {
        bank.loadBuiltIn();
    } catch (const SampleBankError& e) {
        platform::reportCommandLineError(QStringLiteral("tezvan"), e.message());
        return 1;
    }
    if (!QDir().mkpath(dir)) {
        platform::reportCommandLineError(
            QStringLiteral("tezvan"),
            QStringLiteral("cannot create the folder %1").arg(QDir::toNativeSeparators(dir)));
        return 1;
    }
    const QDir folder(dir);
    for (int i = 0; i < bank.count(); ++i) {
        const QString path = folder.filePath(QStringLiteral("%1.wav").arg(i, 2, 10, QLatin1Char('0')));
        const platform::WholeFileResult written = platform::writeWholeFile(path, bank.item(i).wave);
        if (!written.ok()) {
            platform::reportCommandLineError(
                QStringLiteral("tezvan"),
                QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(path), written.reason));
            return 1;
        }
    }
    return 0;
}

} // namespace tezvan
