// The settings store on the real QSettings, in a folder of the test's own: what a close
// writes, what a start reads back, and how a damaged or unwritable store is met.
#include "tezvan/core/AppearanceSettings.h"
#include "support/AsOrdinaryUser.h"
#include "support/QStringPrinter.h"
#include "support/RowName.h"

#include "platform/CommandError.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testing_support::RowName;
using tezvan::ColourSetting;
using Applied = std::vector<std::pair<ColourSetting, quint32>>;

class AppearanceStoreTest : public ::testing::Test {
protected:
    void SetUp() override { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path()); }
    QString file() const { return folder.filePath(QStringLiteral("TezvanAyar.ini")); }
    void writeFile(const char* text)
    {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

    QTemporaryDir folder;
    tezvan::AppearanceStore store;
};

TEST_F(AppearanceStoreTest, WhatACloseWritesTheNextStartReads)
{
    tezvan::AppearanceRecord r;
    r.colours = {16749886, 2147483648u + 15, 12767697, 10841658, 255, 13154717, 2147483648u + 8};
    r.step = 37;
    r.zoomLevel = 150;
    ASSERT_TRUE(store.save(r));
    EXPECT_EQ(store.location(), file());

    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    for (const char* line :
         {"kc=$00FF953E", "ir=clBtnFace", "bz=clRed", "ly=clWindowText", "artirma=37", "Gorunum=150"})
        EXPECT_TRUE(text.contains(line)) << line << "\n" << text.constData();

    const tezvan::LoadedAppearance loaded = store.load();
    EXPECT_EQ(loaded.step, 37);
    EXPECT_EQ(loaded.zoomLevel, 150);
    EXPECT_TRUE(loaded.error.isEmpty());
    // Window, panels and list first, the buttons last.
    EXPECT_EQ(loaded.colours,
              (Applied{{ColourSetting::Frame, 16749886},
                       {ColourSetting::Message, 2147483648u + 15},
                       {ColourSetting::Background, 12767697},
                       {ColourSetting::List, 13154717},
                       {ColourSetting::ListText, 2147483648u + 8},
                       {ColourSetting::ButtonText, 10841658},
                       {ColourSetting::Button, 255}}));
}

struct LoadRow : testing_support::NamedRow {
    const char* ini; // nullptr: no store at all
    int step;
    int zoom;
    Applied colours;
    const char* error;
};

class AppearanceStoreLoad : public AppearanceStoreTest, public ::testing::WithParamInterface<LoadRow> {};

TEST_P(AppearanceStoreLoad, GivesWhatAStartApplies)
{
    const LoadRow& r = GetParam();
    if (r.ini)
        writeFile(r.ini);
    const tezvan::LoadedAppearance loaded = store.load();
    EXPECT_EQ(loaded.step, r.step);
    EXPECT_EQ(loaded.zoomLevel, r.zoom);
    EXPECT_EQ(loaded.colours, r.colours);
    EXPECT_EQ(loaded.error, QString::fromUtf8(r.error));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AppearanceStoreLoad,
    ::testing::Values(
        LoadRow{"no store: first-run look, step 500, 100 %", nullptr, 500, 0, {}, ""},
        LoadRow{"empty values count as missing", "[General]\nkc=\nartirma=\nGorunum=\n", 500, 0, {}, ""},
        LoadRow{"step and level that are no numbers", "[General]\nartirma=abc\nGorunum=1.5\n", 500, 0, {}, ""},
        LoadRow{"a bad colour stops the colours after it",
                "[General]\nkc=clRed\nzr=$00C2D1D1\nlz=mavi\nly=clBlack\nbz=clRed\nartirma=20\nGorunum=80\n",
                20,
                80,
                {{ColourSetting::Frame, 255}, {ColourSetting::Background, 12767697}},
                "'mavi' is not a valid integer value"},
        LoadRow{"names in any case and decimal numbers",
                "[General]\nby=CLWHITE\nir=12436934\n",
                500,
                0,
                {{ColourSetting::Message, 12436934}, {ColourSetting::ButtonText, 16777215}},
                ""}),
    RowName());

TEST_F(AppearanceStoreTest, AValueThatIsNoTextFailsTheWholeRead)
{
    // An INI list is a value of another kind: nothing of the store is used.
    writeFile("[General]\nkc=clRed\nzr=1, 2\n");
    EXPECT_THROW(store.load(), platform::CommandError);
}

TEST_F(AppearanceStoreTest, ADamagedStoreIsReplacedByTheNextSaveWithoutAnError)
{
    // A line without "=" is a format error to QSettings; the close still saves, and says so.
    writeFile("[General]\nkc=clRed\nirF00\n");
    tezvan::AppearanceRecord r;
    r.step = 42;
    EXPECT_TRUE(store.save(r));
    EXPECT_EQ(store.load().step, 42);
}

TEST_F(AppearanceStoreTest, AStoreThatCannotBeReplacedWholeSaysSoAndKeepsTheOldFile)
{
    // The file itself may be written, its folder takes no new file: a write in place could
    // leave half a file behind, so nothing is written and the old settings stay whole.
    writeFile("[General]\nkc=clRed\n");
    const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther
        | QFile::WriteOther;
    QFile::setPermissions(file(), all);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    {
        testing_support::AsOrdinaryUser user;
        if (!user.ok())
            GTEST_SKIP() << "cannot act as an ordinary user";
        EXPECT_FALSE(store.save({}));
    }
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("[General]\nkc=clRed\n"));
}

} // namespace
