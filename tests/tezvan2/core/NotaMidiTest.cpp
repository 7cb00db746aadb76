// tezvan2's notes as MIDI, koma notes included: each note's key and bend, and a note file
// exported, read back by another reader and sounded by another synthesiser.
#include "tezvan2/core/NotaMidi.h"
#include "tezvan2/core/NoteTable.h"

#include "support/Files.h"
#include "support/MidiRoundTrip.h"
#include "support/NotaRecord.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace tezvan2;
using testing_support::notaRecord;

TEST(NotaMidi, EachNoteIsItsNearestKeyBentToItsPitch)
{
    // key, bend: 69 + 12 log2(hz / 440) to the nearest key, the rest at 4096 a semitone; the
    // koma notes SIB5 and SIB2 lie 5 and 2 komas (of 1200/53 cents) under SI.
    const std::array<std::pair<int, int>, kNoteCount> expected{
        {{77, 8192}, {79, 8192}, {58, 7651}, {59, 6337}, {61, 8192}, {63, 8192}, {66, 8192}, {46, 7651},
         {47, 6337}, {57, 8192}, {59, 8192}, {60, 8192}, {62, 8192}, {64, 8192}, {65, 8192}, {67, 8192},
         {45, 8192}, {47, 8192}, {48, 8192}, {91, 8192}, {57, 8192}, {57, 8192}}};
    for (std::size_t n = 0; n < expected.size(); ++n) {
        const platform::MidiPitch p = platform::midiPitchOf(*samplePitchHz(noteTable()[n].keySample));
        EXPECT_EQ(std::make_pair(p.key, p.bend), expected[n]) << noteTable()[n].keySample.toStdString();
    }
    EXPECT_EQ(platform::midiPitchOf(*samplePitchHz(QStringLiteral("LAAKOR.wbs"))).key,
              45); // the picture's wide chord
}

TEST(NotaMidi, AnExportedNoteFileHoldsEveryNoteWhereAndAsItSounds)
{
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QDir::setCurrent(QStringLiteral(TEZVAN2_SAMPLE_DIR));
    const QString in = dir.filePath(QStringLiteral("take.nota"));
    const QString out = dir.filePath(QStringLiteral("take.mid"));
    const auto hz = [](const char* file) { return *samplePitchHz(QString::fromLatin1(file)); };
    // Koma notes, a cut, "es", then every key's note 800 ms apart (as long as the soundfont's
    // keys are heard alone), and a note that rings to its end.
    QByteArray take = notaRecord("SIB2", "600") + notaRecord("SIB5-", "600") + notaRecord("FAD", "500")
        + notaRecord("es", "1000") + notaRecord("LA-", "2000");
    // Each note ends where the next starts, or where its sample ends (1.4 s, 1.6 s below SOL-):
    // "es" lets FAD ring on.
    std::vector<testing_support::MeantNote> meant{{0, 600, hz("SIB2.wbs")},
                                                  {600, 1200, hz("SIB5-.wbs")},
                                                  {1200, 2600, hz("fad.wbs")},
                                                  {2700, 4300, hz("LA-.wbs")}};
    qint64 at = 4700;
    for (const NoteRow& row : noteTable()) {
        take += notaRecord(row.keyGridName.toLatin1(), "800");
        meant.push_back({at, at + 800, row.keyHz});
        at += 800;
    }
    testing_support::writeFile(in, take + notaRecord("SIB5", "800") + notaRecord("", ""));
    meant.push_back({at, at + 1400, hz("SIB5.wbs")});
    ASSERT_EQ(exportMidiCommand(in, out), 0);
    QDir::setCurrent(before);
    testing_support::expectMidiTake(out, meant);
}
