// tezvan's notes as MIDI: each note's key and bend, and a note file exported, read back by
// another reader and sounded by another synthesiser.
#include "tezvan/core/TakeMidi.h"
#include "tezvan/core/NoteCatalogue.h"
#include "tezvan/core/NotePitches.h"

#include "support/Files.h"
#include "support/MidiRoundTrip.h"

#include <gtest/gtest.h>

using namespace tezvan;

TEST(TakeMidi, EachNoteIsItsNearestKeyBentToItsPitch)
{
    // key, bend: 69 + 12 log2(hz / 440) to the nearest key, the rest at 4096 a semitone.
    const std::array<std::pair<int, int>, 14> expected{{{56, 6235},
                                                        {57, 10100},
                                                        {59, 8495},
                                                        {61, 6330},
                                                        {50, 10177},
                                                        {53, 6293},
                                                        {54, 8193},
                                                        {54, 6250},
                                                        {55, 9979},
                                                        {57, 10100},
                                                        {50, 10177},
                                                        {49, 6854},
                                                        {44, 6235},
                                                        {56, 6235}}};
    for (std::size_t n = 0; n < expected.size(); ++n) {
        const platform::MidiPitch p = platform::midiPitchOf(kNotePitchesHz[n]);
        EXPECT_EQ(std::make_pair(p.key, p.bend), expected[n]) << "note " << n;
    }
}

TEST(TakeMidi, AnExportedNoteFileHoldsEveryNoteWhereAndAsItSounds)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("take.tnl"));
    const QString out = dir.filePath(QStringLiteral("take.mid"));
    // A few notes, then all fourteen 800 ms apart (as long as the soundfont's keys are heard alone), then two that
    // ring to their samples' ends.
    QByteArray take = "00=0\r\n04=600\r\n11=600\r\n";
    std::vector<testing_support::MeantNote> meant{
        {0, 600, kNotePitchesHz[0]}, {600, 1200, kNotePitchesHz[4]}, {1200, 2000, kNotePitchesHz[11]}};
    for (int n = 0; n < kNoteCount; ++n) {
        take += QStringLiteral("%1=800\r\n").arg(n, 2, 10, QLatin1Char('0')).toLatin1();
        meant.push_back({2000 + 800 * n, 2800 + 800 * n, kNotePitchesHz[std::size_t(n)]});
    }
    testing_support::writeFile(in, take + "12=800\r\n08=3000\r\n");
    ASSERT_EQ(exportMidiCommand(in, out), 0);
    // Each note ends where the next starts, or where its sample ends (DO-1: 1659.5 ms, DO-İ: 1063.6 ms).
    meant.push_back({13200, 14860, kNotePitchesHz[12]});
    meant.push_back({16200, 17264, kNotePitchesHz[8]});
    testing_support::expectMidiTake(out, meant);
}
