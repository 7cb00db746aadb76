#include "RenderNota.h"

#include "GridPlayer.h"
#include "InstalledSamples.h"
#include "NotaFile.h"
#include "NoteGrid.h"
#include "SampleFiles.h"
#include "platform/CommandError.h"
#include "platform/OfflineVoice.h"
#include "platform/PreparedSound.h"
#include "platform/VirtualClock.h"
#include "platform/WholeFile.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace tezvan2 {
namespace {

void say(const QString& message)
{
    std::fputs((QStringLiteral("tezvan2: ") + message + u'\n').toLocal8Bit().constData(), stderr);
}

int failWith(const QString& message)
{
    say(message);
    return 1;
}

} // namespace

int renderNotaCommand(const QString& in, const QString& out)
{
    NoteGrid grid;
    try {
        nota::open(in, grid);
    } catch (const platform::CommandError& e) {
        return failWith(in + QStringLiteral(": ") + e.message());
    }

    platform::VirtualClock clock;
    platform::OfflineVoice voice(clock);
    SampleFiles samples(voice, {}, installedSampleFolder(QCoreApplication::applicationDirPath()));
    GridPlayer player(grid, samples, clock);
    QString problem;
    const auto keepProblem = [&problem](const QString& m) { problem = m; };
    QObject::connect(&player, &GridPlayer::notice, &player, keepProblem);
    QObject::connect(&player, &GridPlayer::failed, &player, keepProblem);
    // Silence is what the program would play too, but a take rendered without its
    // samples should not pass unnoticed.
    QStringList silent;
    QObject::connect(&player, &GridPlayer::silentNote, &player, [&](const QString& file) {
        if (silent.contains(file))
            return;
        silent << file;
        const QString why = samples.whyUnplayable(file);
        if (why.isEmpty())
            say(QStringLiteral("no sample \"%1\" in %2: silent there").arg(file, samples.folder()));
        else
            say(QStringLiteral("sample \"%1\" in %2 exists but cannot be played: %3; silent there")
                    .arg(file, samples.folder(), why));
    });
    if (!player.play())
        return failWith(in + QStringLiteral(": ") + problem);
    while (player.isPlaying() && clock.runNext()) {
    }
    if (!problem.isEmpty())
        return failWith(in + QStringLiteral(": ") + problem);

    const platform::WholeFileResult written = platform::writeWholeFile(out, voice.waveImage(platform::kOutputRate));
    if (!written.ok())
        return failWith(out + QStringLiteral(": ") + (written.reason.isEmpty() ? QStringLiteral("cannot write") : written.reason));
    return 0;
}

} // namespace tezvan2
