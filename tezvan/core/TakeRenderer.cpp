#include "TakeRenderer.h"

#include "NoteFile.h"
#include "NoteListPlayer.h"
#include "NoteLists.h"
#include "SavedFile.h"

#include "platform/CommandError.h"
#include "platform/CommandLine.h"
#include "platform/OfflineVoice.h"
#include "platform/VirtualClock.h"

namespace tezvan {
namespace {

// Longer takes would need more memory than a render should ask for (4 h: about 300 MB).
constexpr qint64 kLongestTakeMs = 4 * 3600 * 1000;

void checkLength(const QStringList& entries)
{
    qint64 totalMs = 0;
    for (const QString& entry : entries)
        totalMs += NoteListPlayer::waitMsOf(entry).value_or(0);
    if (totalMs > kLongestTakeMs) {
        throw platform::CommandError(QStringLiteral("The take lasts %1 s, longer than the %2 s a render can hold")
                                         .arg(totalMs / 1000)
                                         .arg(kLongestTakeMs / 1000));
    }
}

} // namespace

OfflinePlayback::OfflinePlayback(const QStringList& entries, const QByteArray& storedBank)
    : voice_(clock_), bank_(voice_)
{
    bank_.load(storedBank);
    // Offline only the sound is left of a playback: each due note plays its sample.
    NoteLists lists;
    lists.replaceAll(entries, entries);
    NoteListPlayer player(clock_, lists);
    QObject::connect(&player, &NoteListPlayer::noteDue, &player,
                     [this](int, int noteNumber, bool) { bank_.play(noteNumber); });
    player.start();
    while (player.isPlaying() && clock_.runNext()) {
    }
}

QByteArray renderTake(const QStringList& entries, const QByteArray& storedBank, int rate)
{
    checkLength(entries);
    return OfflinePlayback(entries, storedBank).voice().waveImage(rate);
}

QByteArray renderTake(const QStringList& entries, int rate)
{
    return renderTake(entries, SampleBank::builtInData(), rate);
}

int playbackCommand(const QString& in, const QString& out,
                    const std::function<QByteArray(const QStringList& entries)>& fileOf)
{
    QStringList entries;
    try {
        entries = readNoteFile(in);
    } catch (const platform::CommandError& e) {
        platform::reportCommandLineError(QStringLiteral("tezvan"), e.message());
        return 1;
    }
    QByteArray file;
    try {
        file = fileOf(entries);
    } catch (const SampleBankError& e) {
        platform::reportCommandLineError(QStringLiteral("tezvan"), e.message());
        return 3;
    } catch (const platform::CommandError& e) {
        platform::reportCommandLineError(QStringLiteral("tezvan"), e.message());
        return 4;
    }
    try {
        saveWholeFile(out, file);
    } catch (const platform::CommandError& e) {
        platform::reportCommandLineError(QStringLiteral("tezvan"), e.message());
        return 2;
    }
    return 0;
}

int renderCommand(const QString& in, const QString& out)
{
    return playbackCommand(in, out, [](const QStringList& entries) { return renderTake(entries); });
}

} // namespace tezvan
