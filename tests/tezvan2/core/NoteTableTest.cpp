#include "tezvan2/core/NoteTable.h"
#include "support/QStringPrinter.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

#include <set>

using namespace tezvan2;
using testing_support::RowName;

namespace {

struct KeyRow : testing_support::NamedRow {
    quint16 key;
    const char* sample;
    const char* gridName;
    const char* display;
};

// Every key of the table, written out independently of the table's code.
const KeyRow kKeys[] = {
    {"key left of 1", 192, "fa+.wbs", "FA+", "Fa+"},
    {"1", 49, "sol+.wbs", "SOL+", "Sol+"},
    {"2", 50, "SIB5.wbs", "SIB5", "SiB5"},
    {"3", 51, "SIB2.wbs", "SIB2", "SiB2"},
    {"4", 52, "DOD.wbs", "DOD", "Do#"},
    {"5", 53, "RED.wbs", "RED", "Re#"},
    {"7", 55, "fad.wbs", "FAD", "Fa#"},
    {"9", 57, "SIB5-.wbs", "SIB5-", "SiB5-"},
    {"0", 48, "SIB2-.wbs", "SIB2-", "SiB2-"},
    {"Q", 81, "LA.wbs", "LA", "La"},
    {"W", 87, "SI.wbs", "SI", "Si"},
    {"E", 69, "DO.wbs", "DO", "Do"},
    {"R", 82, "RE.wbs", "RE", "Re"},
    {"T", 84, "MI.wbs", "MI", "Mi"},
    {"Y", 89, "fa.wbs", "FA", "Fa"},
    {"U", 85, "SOL.wbs", "SOL", "Sol"},
    {"I", 73, "LA-.wbs", "LA-", "La-"},
    {"quote key", 222, "LA-.wbs", "LA-", "La-"},
    {"O", 79, "SI-.wbs", "SI-", "Si-"},
    {"P", 80, "DO-.wbs", "DO-", "Do-"},
    {"A", 65, "SOL++.wbs", "SOL++", "Sol++"},
    {"S (the chord)", 83, "LAAK.wbs", "LAAK", "La"},
    {"D", 68, "BITIS.wbs", "BITIS", "Bitis"},
};

struct PictureRow : testing_support::NamedRow { // name: the picture's
    const char* sample;
    const char* gridName;
};

const PictureRow kPictureRows[] = {
    {"Image3", "fa+.wbs", "FA+"},      {"Image4", "sol+.wbs", "SOL+"},    {"Image6", "SIB5.wbs", "SIB5"},
    {"Image5", "SIB2.wbs", "SIB2"},    {"Image7", "dod.wbs", "DOD"},      {"Image8", "red.wbs", "RED"},
    {"Image17", "fad.wbs", "FAD"},     {"Image16", "sib5-.wbs", "SIB5-"}, {"Image15", "sib2-.wbs", "SIB2-"},
    {"Image23", "la.wbs", "LA"},       {"Image22", "si.wbs", "SI"},       {"Image21", "do.wbs", "DO"},
    {"Image20", "re.wbs", "RE"},       {"Image11", "mi.wbs", "MI"},       {"Image10", "fa.wbs", "FA"},
    {"Image9", "sol.wbs", "SOL"},      {"Image19", "la-.wbs", "LA-"},     {"Image18", "si-.wbs", "SI-"},
    {"Image12", "do-.wbs", "DO-"},     {"Image33", "sol++.wbs", "SOL++"}, {"Image32", "laakor.wbs", "LAAKOR"},
    {"Image31", "bitis.wbs", "BITIS"},
};

} // namespace

class NoteTableKeys : public ::testing::TestWithParam<KeyRow> {};

TEST_P(NoteTableKeys, EveryKeyStartsItsSampleShowsAndRecordsItsName)
{
    const KeyRow& row = GetParam();
    const auto t = keyTrigger(row.key);
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(t->sampleFile, QString::fromUtf8(row.sample));
    EXPECT_EQ(t->gridName, QString::fromUtf8(row.gridName));
    EXPECT_EQ(t->displayName, QString::fromUtf8(row.display));
    EXPECT_EQ(keyCommand(row.key), KeyCommand::Note);
}

INSTANTIATE_TEST_SUITE_P(Rows, NoteTableKeys, ::testing::ValuesIn(kKeys), RowName());

class NoteTablePictures : public ::testing::TestWithParam<PictureRow> {};

TEST_P(NoteTablePictures, EveryPictureStartsItsOwnSample)
{
    const PictureRow& row = GetParam();
    const auto t = pictureTrigger(QString::fromUtf8(row.name));
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(t->sampleFile, QString::fromUtf8(row.sample));
    EXPECT_EQ(t->gridName, QString::fromUtf8(row.gridName));
}

INSTANTIATE_TEST_SUITE_P(Rows, NoteTablePictures, ::testing::ValuesIn(kPictureRows), RowName());

TEST(NoteTable, KeyAndPictureOfANoteShowTheSameNameAndSoundTheSameFileBarTheChord)
{
    for (const NoteRow& r : noteTable()) {
        SCOPED_TRACE(r.picture.toStdString());
        const auto byPicture = pictureTrigger(r.picture);
        const auto byKey = keyTrigger(r.keyCodes.front());
        ASSERT_TRUE(byPicture && byKey);
        EXPECT_EQ(byPicture->displayName, byKey->displayName);
        if (r.hint == QStringLiteral("LA AKOR"))
            continue;
        EXPECT_EQ(byPicture->sampleFile.compare(byKey->sampleFile, Qt::CaseInsensitive), 0);
        // A grid name plus ".wbs" names the key's file: playback relies on it.
        EXPECT_EQ((byKey->gridName + QStringLiteral(".wbs")).compare(byKey->sampleFile, Qt::CaseInsensitive), 0);
    }
}

TEST(NoteTable, TwentyTwoNotesNeedTwentyThreeDistinctFiles)
{
    EXPECT_EQ(noteTable().size(), std::size_t(kNoteCount));
    std::set<QString> files;
    std::set<QString> pictures;
    for (const NoteRow& r : noteTable()) {
        files.insert(r.keySample.toLower());
        files.insert(r.pictureSample.toLower());
        pictures.insert(r.picture);
    }
    EXPECT_EQ(files.size(), 23u);
    EXPECT_EQ(sampleFiles().size(), 23);
    EXPECT_EQ(pictures.size(), 22u);
}

TEST(NoteTable, ModifiersAreIgnored)
{
    EXPECT_EQ(keyTrigger(69 | 0x2000)->gridName, QStringLiteral("DO")); // Shift+E
    EXPECT_EQ(keyTrigger(81 | 0x4000 | 0x8000)->gridName, QStringLiteral("LA"));
    EXPECT_EQ(keyCommand(107 | 0x2000), KeyCommand::AddColumn);
}

struct SilentKeyRow : testing_support::NamedRow {
    quint16 key;
    KeyCommand command;
};

class NoteTableKeysThatPlayNothing : public ::testing::TestWithParam<SilentKeyRow> {};

TEST_P(NoteTableKeysThatPlayNothing, HaveTheirCommandOrNone)
{
    EXPECT_EQ(keyCommand(GetParam().key), GetParam().command);
    EXPECT_FALSE(keyTrigger(GetParam().key).has_value());
}

INSTANTIATE_TEST_SUITE_P(Rows, NoteTableKeysThatPlayNothing,
                         ::testing::Values(SilentKeyRow{"digit 6", 54, KeyCommand::None},
                                           SilentKeyRow{"digit 8", 56, KeyCommand::None},
                                           SilentKeyRow{"keypad 1", 97, KeyCommand::None},
                                           SilentKeyRow{"letter Z", 90, KeyCommand::None},
                                           SilentKeyRow{"no key at all", 0, KeyCommand::None},
                                           SilentKeyRow{"Shift alone", 0x2000, KeyCommand::None},
                                           SilentKeyRow{"keypad plus", 107, KeyCommand::AddColumn},
                                           SilentKeyRow{"keypad minus", 109, KeyCommand::RemoveColumn}),
                         RowName());

TEST(NoteTable, PicturesThatPlayNothing)
{
    EXPECT_FALSE(pictureTrigger(QStringLiteral("Image13")).has_value()); // the AÇ command
    EXPECT_FALSE(pictureTrigger(QStringLiteral("image3")).has_value());
}

TEST(NoteTable, TheNotePicturesOfTheFaceAreExactlyTheNotesPictures)
{
    std::set<QString> notePictures;
    for (const PictureSpot& spot : kPictures) {
        SCOPED_TRACE(spot.number);
        const NoteRow* row = noteForPicture(pictureName(spot));
        EXPECT_EQ(row != nullptr, spot.kind == PictureKind::Note);
        if (row) {
            notePictures.insert(row->picture);
            EXPECT_EQ(pictureHint(spot), row->hint);
            EXPECT_TRUE(spot.hint.empty()) << "a note's hint lives in its row";
        }
    }
    EXPECT_EQ(notePictures.size(), std::size_t(kNoteCount));
}
