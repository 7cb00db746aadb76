#include "RenderNota.h"

#include "GridPlayer.h"
#include "InstalledSamples.h"
#include "NotaFile.h"
#include "NoteGrid.h"
#include "SampleFiles.h"
#include "platform/CommandError.h"
#include "platform/CommandLine.h"
#include "platform/OfflineVoice.h"
#include "platform/PreparedSound.h"
#include "platform/VirtualClock.h"
#include "platform/WholeFile.h"

#include <QCoreApplication>
#include <QStringList>

namespace tezvan2 {
namespace {

void say(const QString& message)
{
    platform::reportCommandLineError(QStringLiteral("tezvan2"), message);
}

int failWith(const QString& message)
{
    say(message);
    return 1;
}

} // namespace

NotaPlayback::NotaPlayback()
    : voice_(clock_), samples_(voice_, {}, installedSampleFolder(QCoreApplication::applicationDirPath()))
{
}

QString NotaPlayback::play(const NoteGrid& grid, const std::function<void(const QString&)>& silent)
{
    GridPlayer player(grid, samples_, clock_);
    QString problem;
    const auto keepProblem = [&problem](const QString& m) { problem = m; };
    QObject::connect(&player, &GridPlayer::notice, &player, keepProblem);
    QObject::connect(&player, &GridPlayer::failed, &player, keepProblem);
    QStringList told;
    QObject::connect(&player, &GridPlayer::silentNote, &player, [&](const QString& file) {
        if (told.contains(file) || !silent)
            return;
        told << file;
        const QString why = samples_.whyUnplayable(file);
        if (why.isEmpty())
            silent(QStringLiteral("no sample \"%1\" in %2: silent there").arg(file, samples_.folder()));
        else
            silent(QStringLiteral("sample \"%1\" in %2 exists but cannot be played: %3; silent there")
                       .arg(file, samples_.folder(), why));
    });
    if (!player.play())
        return problem;
    while (player.isPlaying() && clock_.runNext()) {
    }
    return problem;
}

int notaPlaybackCommand(const QString& in, const QString& out,
                        const std::function<QByteArray(NotaPlayback& played, const NoteGrid& grid)>& fileOf)
{
    NoteGrid grid;
    try {
        nota::open(in, grid);
    } catch (const platform::CommandError& e) {
        return failWith(in + QStringLiteral(": ") + e.message());
    }

    // Silence is what the program would play too, but a take made without its samples
    // should not pass unnoticed.
    NotaPlayback playback;
    const QString problem = playback.play(grid, say);
    if (!problem.isEmpty())
        return failWith(in + QStringLiteral(": ") + problem);

    const platform::WholeFileResult written = platform::writeWholeFile(out, fileOf(playback, grid));
    if (!written.ok())
        return failWith(out + QStringLiteral(": ")
                        + (written.reason.isEmpty() ? QStringLiteral("cannot write") : written.reason));
    return 0;
}

int renderNotaCommand(const QString& in, const QString& out)
{
    return notaPlaybackCommand(in, out, [](NotaPlayback& played, const NoteGrid&) {
        return played.voice().waveImage(platform::kOutputRate);
    });
}

} // namespace tezvan2
