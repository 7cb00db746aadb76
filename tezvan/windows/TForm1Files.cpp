// The note file commands of the main window: New, Open, Save, Save as displayed and the
// start-up open from the command line. Reading, writing and the visible lines are
// tezvan_core's; an error ends the command in the program's error box.
#include "TForm1.h"

#include "tezvan/core/DisplayTextFile.h"
#include "tezvan/core/NoteFile.h"

#include "platform/Dialogs.h"
#include "platform/RunCommand.h"

#include <QAction>
#include <QFileInfo>
#include <QListView>
#include <QScopeGuard>

namespace tezvan {
namespace {

QString noteFilter() { return QStringLiteral("Tezvan Nota Listesi (*.Tnl)|*.tnl"); }
QString textFilter() { return QStringLiteral("Metin Belgesi (*.txt)|*.txt"); }

} // namespace

void TForm1::openCommandLineFile(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return;
    const QString path = joinCommandLine(arguments);
    const QFileInfo file(path);
    if (!file.exists() || !file.isFile()) {
        dialogs_.tell(this, platform::applicationTitle(),
                      QLatin1Char('(') + path + QString::fromUtf8(")Dosyası bulunamıyor..!"),
                      platform::Dialogs::Icon::None);
        return;
    }
    startupOpen_ = true;
    startupPath_ = path;
    mndosyaac_->trigger();
    startupOpen_ = false;
    // The window opens with the loaded list in view.
    mnliste_->trigger();
}

bool TForm1::askToEndRecording()
{
    // Only a running recording is asked about; Yes ends it and the command goes on.
    if (!recorder_.recording())
        return true;
    const bool yes = dialogs_.ask(
        this, QStringLiteral("UYARI"),
        QString::fromUtf8("Şu An Kayıt Modundasınız.\r\r"
                          "Kayıt İşlemini Otomatik Durdurmak ve İşleme Devam Etmek İstiyormusunuz."),
        platform::Dialogs::Icon::Warning);
    if (yes)
        DURUMMClick();
    return yes;
}

void TForm1::stopPlaybackFirst()
{
    // The list is about to change under a playback: it ends before that.
    if (player_.isPlaying())
        PAUSE_Click();
}

void TForm1::newClick()
{
    if (!lists_.isEmpty()
        && !dialogs_.ask(this, QStringLiteral("Yeni"),
                         QString::fromUtf8("Listedeki Notalar Temizlenecek. Devam mı?"),
                         platform::Dialogs::Icon::Information))
        return;
    stopPlaybackFirst();
    DURUMMClick();
    lists_.clear();
    ListBox1_->setFocus();
}

void TForm1::openClick()
{
    mndosyaac_->trigger();
}

void TForm1::mndosyaacExecute()
{
    QString path = startupPath_;
    if (!startupOpen_) {
        if (!askToEndRecording())
            return;
        path = dialogs_.openFileName(this, noteFilter(), QStringLiteral("tnl"));
        if (path.isEmpty())
            return;
    }
    stopPlaybackFirst();
    setEnabled(false);
    const bool opened = platform::runCommand(dialogs_, this, [this, &path] {
        // The window is enabled again before an error box shows, and after the lists are filled.
        const QScopeGuard enableAgain([this] { setEnabled(true); });
        QStringList entries = readNoteFile(path);
        QStringList lines = visibleLinesOf(entries);
        lists_.replaceAll(std::move(entries), std::move(lines));
    });
    if (opened && !startupOpen_)
        ListBox1_->setFocus();
}

void TForm1::saveClick()
{
    if (lists_.isEmpty() || !askToEndRecording())
        return;
    const QString path = dialogs_.saveFileName(this, noteFilter(), QStringLiteral("tnl"));
    if (path.isEmpty())
        return;
    if (platform::runCommand(dialogs_, this, [&] { writeNoteFile(path, lists_.entries()); }))
        ListBox1_->setFocus();
}

void TForm1::mnnotadonusturExecute()
{
    if (lists_.isEmpty())
        return;
    DURUMMClick();
    const QString path = dialogs_.saveFileName(this, textFilter(), QStringLiteral("txt"));
    if (path.isEmpty())
        return;
    platform::runCommand(dialogs_, this, [&] { writeDisplayTextFile(path, lists_.lines()); });
}

} // namespace tezvan
