#include "TakeMidi.h"

#include "NotePitches.h"
#include "SampleBank.h"
#include "SavedFile.h"
#include "TakeRenderer.h"

#include "platform/CommandError.h"
#include "platform/MidiFile.h"

namespace tezvan {

QByteArray takeAsMidi(const QStringList& entries, const QByteArray& storedBank)
{
    const OfflinePlayback playback(entries, storedBank);
    // A sound is a note's by being that note's sample in the bank.
    const auto pitchOf = [&bank = playback.bank()](const platform::SoundPtr& sound) -> std::optional<double> {
        for (int i = 0; i < int(kNotePitchesHz.size()) && i < bank.count(); ++i)
            if (bank.item(i).sound == sound)
                return kNotePitchesHz[std::size_t(i)];
        return std::nullopt;
    };
    platform::MidiTake take;
    take.trackName = QStringLiteral("Tezvan");
    take.notes = platform::midiNotesOf(playback.voice().soundings(), pitchOf);
    return platform::standardMidiFile(take);
}

QByteArray takeAsMidi(const QStringList& entries)
{
    return takeAsMidi(entries, SampleBank::builtInData());
}

bool saveNoteListAsMidi(const QStringList& entries, const QString& path, QString* error)
{
    try {
        saveWholeFile(path, takeAsMidi(entries));
        return true;
    } catch (const SampleBankError& e) {
        if (error)
            *error = e.message();
    } catch (const platform::CommandError& e) {
        if (error)
            *error = e.message();
    }
    return false;
}

int exportMidiCommand(const QString& in, const QString& out)
{
    return playbackCommand(in, out, [](const QStringList& entries) { return takeAsMidi(entries); });
}

} // namespace tezvan
