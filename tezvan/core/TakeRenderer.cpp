#include "TakeRenderer.h"

#include "NoteFile.h"
#include "NoteListPlayer.h"
#include "NoteLists.h"
#include "SampleBank.h"
#include "SavedFile.h"

#include "platform/CommandError.h"
#include "platform/OfflineVoice.h"
#include "platform/VirtualClock.h"

#include <cstdio>

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
        throw platform::CommandError(
            QStringLiteral("The take lasts %1 s, longer than the %2 s a render can hold")
                .arg(totalMs / 1000)
                .arg(kLongestTakeMs / 1000));
    }
}

void complain(const QString& message)
{
    std::fprintf(stderr, "tezvan: %s\n", message.toLocal8Bit().constData());
}

} // namespace

QByteArray renderTake(const QStringList& entries, const QByteArray& storedBank, int rate)
{
    checkLength(entries);
    platform::VirtualClock clock;
    platform::OfflineVoice voice(clock);
    SampleBank bank(voice);
    bank.load(storedBank);

    // Offline only the sound is left of a playback: each due note plays its sample.
    NoteLists lists;
    lists.replaceAll(entries, entries);
    NoteListPlayer player(clock, lists);
    QObject::connect(&player, &NoteListPlayer::noteDue, &player,
                     [&bank](int, int noteNumber, bool) { bank.play(noteNumber); });
    player.start();
    while (player.isPlaying() && clock.runNext()) {
    }
    return voice.waveImage(rate);
}

QByteArray renderTake(const QStringList& entries, int rate)
{
    return renderTake(entries, SampleBank::builtInData(), rate);
}

int renderCommand(const QString& in, const QString& out)
{
    QStringList entries;
    try {
        entries = readNoteFile(in);
    } catch (const platform::CommandError& e) {
        complain(e.message());
        return 1;
    }
    QByteArray wave;
    try {
        wave = renderTake(entries);
    } catch (const SampleBankError& e) {
        complain(e.message());
        return 3;
    } catch (const platform::CommandError& e) {
        complain(e.message());
        return 4;
    }
    try {
        saveWholeFile(out, wave);
    } catch (const platform::CommandError& e) {
        complain(e.message());
        return 2;
    }
    return 0;
}

} // namespace tezvan
