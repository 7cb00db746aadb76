#include "TakeRenderer.h"

#include "NoteFile.h"
#include "NoteListPlayer.h"
#include "SampleBank.h"
#include "SavedFile.h"

#include "platform/CommandError.h"
#include "platform/OfflineVoice.h"
#include "platform/VirtualClock.h"

#include <cstdio>

namespace tezvan {
namespace {

// The window's part of a playback, offline: only the sound is left.
class RenderHost final : public PlaybackHost {
public:
    RenderHost(const QStringList& entries, SampleBank& bank) : entries_(entries), bank_(bank) {}

    int entryCount() const override { return int(entries_.size()); }
    std::optional<QString> entryAt(int index) const override
    {
        if (index < 0 || index >= entries_.size())
            return std::nullopt;
        return entries_[index];
    }
    void playbackStarted() override {}
    void playbackTurn(int) override {}
    void playbackNote(int, int noteNumber, bool) override { bank_.play(noteNumber); }
    void playbackFinished() override {}

private:
    const QStringList& entries_;
    SampleBank& bank_;
};

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

    RenderHost host(entries, bank);
    NoteListPlayer player(clock, host);
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
