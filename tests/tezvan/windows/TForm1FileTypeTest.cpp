// The file-type command of the main window: its action, the registration it runs for the
// user (under a private HOME, with the desktop's real tools) and the box that tells the end.
#include "WindowFixture.h"
#include "support/Files.h"
#include "support/PrivateDesktop.h"
#include "support/RowName.h"

#include "desktop/DesktopIds.h"

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>

namespace {

using testing_support::FakeDialogs;
using testing_support::PrivateDesktop;
using Icon = platform::Dialogs::Icon;

const QString kDone =
    QString::fromUtf8("\r\nİŞLEM TAMAMLANDI. \r\n\r\nSimgelerin Görüntülerinin Güncellenmesi için \r\n"
                      "Bilgisayarınızı Yeniden başlatmanız yeterli olacaktır.");

struct RegistrationRow : testing_support::NamedRow {
    bool dataFolderWritable;
    Icon icon;
    bool done; // the completion text, or the error box
};

class TForm1FileType : public testing_support::WindowFixture, public ::testing::WithParamInterface<RegistrationRow> {
protected:
    PrivateDesktop desktop; // before the window, so that all it does lands here
};

TEST_P(TForm1FileType, TheActionRegistersAndTellsTheOutcome)
{
    const RegistrationRow& row = GetParam();
    if (!row.dataFolderWritable) { // the data folder is a file
        const QString file = desktop.home.filePath(QStringLiteral(".profile"));
        ASSERT_TRUE(testing_support::writeFile(file, "x"));
        qputenv("XDG_DATA_HOME", file.toUtf8());
    }

    auto* action = window->findChild<QAction*>(QStringLiteral("DosyaTrTanmla1"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QString::fromUtf8("Dosya Türü Tanıt (*.tnl)"));
    action->trigger();
    QDeadlineTimer deadline(60000);
    while (dialogs.shown.empty() && !deadline.hasExpired())
        QTest::qWait(20);

    ASSERT_EQ(dialogs.shown.size(), 1u);
    const FakeDialogs::Shown& box = dialogs.shown.front();
    EXPECT_EQ(box.kind, FakeDialogs::Shown::Tell);
    EXPECT_EQ(box.icon, row.icon);
    EXPECT_EQ(box.title, platform::applicationTitle());
    if (row.done) {
        EXPECT_EQ(box.text, kDone);
        EXPECT_EQ(PrivateDesktop::defaultFor(QStringLiteral(TEZVAN_NOTE_LIST_MIME_TYPE)),
                  QStringLiteral(TEZVAN_APPLICATION_ID ".desktop"));
        const QByteArray entry = testing_support::readFile(
            desktop.dataFolder() + QStringLiteral("/applications/" TEZVAN_APPLICATION_ID ".desktop"));
        EXPECT_TRUE(entry.contains("\nExec=" + QCoreApplication::applicationFilePath().toUtf8() + " %f\n"))
            << entry.data();
    } else {
        EXPECT_TRUE(box.text.contains(QString::fromUtf8("dosyası yazılamadı"))) << box.text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TForm1FileType,
    ::testing::Values(RegistrationRow{{"registered"}, true, Icon::Information, true},
                      RegistrationRow{{"the user's data folder cannot be written"}, false, Icon::Stop, false}),
    testing_support::RowName());

} // namespace
