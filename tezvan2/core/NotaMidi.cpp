#include "NotaMidi.h"

#include "GridPlayer.h"
#include "NotaFile.h"
#include "NoteGrid.h"
#include "NoteTable.h"
#include "RenderNota.h"

#include "platform/CommandError.h"
#include "platform/MidiFile.h"

#include <QHash>
#include <QSet>

namespace tezvan2 {

QByteArray playbackAsMidi(NotaPlayback& played, const NoteGrid& grid)
{
    // A sound is a name's by being the sample that name finds; the names of the grid were
    // all played, so finding them again reads no file.
    QSet<QString> names;
    for (int column = 0; column < grid.count(); ++column)
        names.insert(grid.name(column));
    QHash<const platform::PreparedSound*, double> pitches;
    for (const QString& name : std::as_const(names)) {
        if (name.isEmpty() || name == GridPlayer::restName())
            continue;
        const QString file = name + QStringLiteral(".wbs");
        if (const std::optional<double> hz = samplePitchHz(file))
            if (const platform::SoundPtr sound = played.samples().load(file))
                pitches.insert(sound.get(), *hz);
    }
    const auto pitchOf = [&pitches](const platform::SoundPtr& sound) -> std::optional<double> {
        const auto found = pitches.constFind(sound.get());
        return found == pitches.cend() ? std::nullopt : std::optional<double>(*found);
    };
    platform::MidiTake take;
    take.trackName = QStringLiteral("Tezvan 2");
    take.notes = platform::midiNotesOf(played.voice().soundings(), pitchOf);
    return platform::standardMidiFile(take);
}

bool saveGridAsMidi(const NoteGrid& grid, const QString& path, QString* error)
{
    NotaPlayback playback;
    QString problem = playback.play(grid);
    if (problem.isEmpty()) {
        try {
            nota::writeBytes(path, playbackAsMidi(playback, grid));
            return true;
        } catch (const platform::CommandError& e) {
            problem = e.message();
        }
    }
    if (error)
        *error = problem;
    return false;
}

int exportMidiCommand(const QString& in, const QString& out)
{
    return notaPlaybackCommand(in, out, playbackAsMidi);
}

} // namespace tezvan2
