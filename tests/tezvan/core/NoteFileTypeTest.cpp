// The note lists' file type as the desktop sees it once tezvan registered itself for one
// user, asked of the desktop's own tools under a private HOME: the type of ".tnl" files in
// any letter case, the default program, a valid desktop entry, and a note file opened from
// the desktop (GLib's launcher, as file managers use) starting the program with its path,
// wherever the program lies.
#include "tezvan/core/NoteFileType.h"

#include "support/Files.h"
#include "support/PrivateDesktop.h"
#include "support/QStringPrinter.h"
#include "support/RowName.h"

#include "platform/FileTypeRegistration.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using testing_support::PrivateDesktop;

namespace {

class NoteFileTypeRegistration : public ::testing::Test {
protected:
    // A stand-in for the program at folder/tezvan: it notes the path it was started by and
    // its argument.
    QString program(const QString& folder)
    {
        const QString path = desktop.home.filePath(folder + QStringLiteral("/tezvan"));
        QDir().mkpath(QFileInfo(path).path());
        const QByteArray script = "#!/bin/sh\nprintf '%s\\n%s\\n' \"$0\" \"$1\" > '" + opened().toUtf8() + "'\n";
        EXPECT_TRUE(testing_support::writeFile(path, script));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    QStringList registerFor(const QString& programPath)
    {
        platform::FileTypeRegistration registration;
        QSignalSpy finished(&registration, &platform::FileTypeRegistration::finished);
        EXPECT_TRUE(registration.start(tezvan::noteFileType(), programPath));
        EXPECT_TRUE(finished.wait(60000));
        return finished.isEmpty() ? QStringList{QStringLiteral("never finished")}
                                  : finished.first().first().toStringList();
    }

    // What the program was started with when the desktop opened the file: its own path and
    // the file's, or the failure.
    QStringList openFromTheDesktop(const QString& file)
    {
        QFile::remove(opened());
        const QString launched = PrivateDesktop::run(QStringLiteral("gio"), {QStringLiteral("open"), file});
        if (!launched.isEmpty())
            return {launched};
        QDeadlineTimer deadline(10000);
        while (!QFileInfo(opened()).size() && !deadline.hasExpired())
            QTest::qWait(10);
        return QString::fromUtf8(testing_support::readFile(opened())).split(u'\n', Qt::SkipEmptyParts);
    }

    QString opened() const { return desktop.home.filePath(QStringLiteral("opened")); }
    QString entryPath() const
    {
        return desktop.dataFolder() + QStringLiteral("/applications/") + tezvan::noteFileType().applicationId
            + QStringLiteral(".desktop");
    }
    QString noteFile(const QString& name)
    {
        const QString path = desktop.home.filePath(name);
        EXPECT_TRUE(testing_support::writeFile(path, "01=0\r\n"));
        return path;
    }

    PrivateDesktop desktop;
};

struct ProgramPlaceRow : testing_support::NamedRow {
    const char* folder; // the program's folder in the home folder
};

class NoteFileTypeAnywhere : public NoteFileTypeRegistration,
                             public ::testing::WithParamInterface<ProgramPlaceRow> {};

TEST_P(NoteFileTypeAnywhere, TheDesktopOpensNoteFilesWithTheProgram)
{
    const platform::FileTypeHandler type = tezvan::noteFileType();
    const QString tezvan = program(QString::fromUtf8(GetParam().folder));
    ASSERT_EQ(registerFor(tezvan), QStringList());

    for (const char* name : {"song.tnl", "SONG.TNL", "Song.Tnl"})
        EXPECT_EQ(PrivateDesktop::fileType(noteFile(QString::fromLatin1(name))), type.mimeType) << name;
    const QString info =
        PrivateDesktop::run(QStringLiteral("gio"), {QStringLiteral("info"), noteFile(QStringLiteral("a.tnl"))});
    EXPECT_TRUE(info.contains(QStringLiteral("standard::icon: ") + type.applicationId + u',')) << "shown first";
    EXPECT_EQ(PrivateDesktop::defaultFor(type.mimeType), type.applicationId + QStringLiteral(".desktop"));
    EXPECT_EQ(PrivateDesktop::run(QStringLiteral("desktop-file-validate"), {entryPath()}), QString());
    EXPECT_TRUE(QFileInfo::exists(desktop.dataFolder() + QStringLiteral("/icons/hicolor/48x48/apps/")
                                  + type.applicationId + QStringLiteral(".png")));

    const QString song = noteFile(QStringLiteral("my song.TNL"));
    EXPECT_EQ(openFromTheDesktop(song), QStringList({tezvan, song}));
}

INSTANTIATE_TEST_SUITE_P(Rows, NoteFileTypeAnywhere,
                         ::testing::Values(ProgramPlaceRow{{"plain folder"}, "bin"},
                                           ProgramPlaceRow{{"folder with spaces"}, "my programs/saz 3.2"},
                                           ProgramPlaceRow{{"quotes, dollar and backslash"},
                                                           "it's \"ours\" $HOME \\ here"},
                                           ProgramPlaceRow{{"Turkish letters"}, "türkü çalgılar"}),
                         testing_support::RowName());

TEST_F(NoteFileTypeRegistration, MissingToolsThatTheRegistrationNeedsAreNamedWithTheirPackages)
{
    qputenv("PATH", desktop.home.path().toUtf8()); // no program at all; the entries' cache is optional
    EXPECT_EQ(registerFor(desktop.home.filePath(QStringLiteral("tezvan"))),
              QStringList({QString::fromUtf8("\"update-mime-database\" programı bulunamadı; \"shared-mime-info\" "
                                             "paketini kurun."),
                           QString::fromUtf8("\"xdg-mime\" programı bulunamadı; \"xdg-utils\" paketini kurun.")}));
}

TEST_F(NoteFileTypeRegistration, RegisteringAgainAfterAMoveFollowsTheProgram)
{
    const QString before = program(QStringLiteral("old place"));
    ASSERT_EQ(registerFor(before), QStringList());
    const QByteArray firstEntry = testing_support::readFile(entryPath());
    ASSERT_EQ(registerFor(before), QStringList());
    EXPECT_EQ(testing_support::readFile(entryPath()), firstEntry) << "the same registration twice";

    const QString after = program(QStringLiteral("new place"));
    QFile::remove(before);
    ASSERT_EQ(registerFor(after), QStringList());
    const QString song = noteFile(QStringLiteral("song.tnl"));
    EXPECT_EQ(openFromTheDesktop(song), QStringList({after, song}));
    EXPECT_EQ(QDir(QFileInfo(entryPath()).path()).entryList({QStringLiteral("*.desktop")}).size(), 1);
}

} // namespace
