#include "NoteFileCommands.h"

#include "CommandBinder.h"
#include "FlatButton.h"
#include "MainControls.h"

#include "tezvan/core/DisplayTextFile.h"
#include "tezvan/core/NoteFile.h"
#include "tezvan/core/NoteFileType.h"
#include "tezvan/core/NoteLists.h"
#include "tezvan/core/Recorder.h"
#include "tezvan/core/TakeMidi.h"

#include "platform/Dialogs.h"
#include "platform/FileTypeRegistration.h"
#include "platform/MidiFile.h"
#include "platform/RunCommand.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QListView>
#include <QScopeGuard>

namespace tezvan {
namespace {

QString noteFilter()
{
    return QStringLiteral("Tezvan Nota Listesi (*.Tnl)|*.tnl");
}
QString textFilter()
{
    return QStringLiteral("Metin Belgesi (*.txt)|*.txt");
}

} // namespace

NoteFileCommands::NoteFileCommands(CommandBinder& binder, NoteLists& lists, const Recorder& recorder,
                                   platform::Dialogs& dialogs, QWidget& window, const MainControls& controls)
    : lists_(lists), recorder_(recorder), dialogs_(dialogs), window_(window), ListBox1_(controls.ListBox1)
{
    connect(controls.new_, &QAbstractButton::clicked, this, &NoteFileCommands::newClick);
    connect(controls.open, &QAbstractButton::clicked, this, &NoteFileCommands::openClick);
    connect(controls.save, &QAbstractButton::clicked, this, &NoteFileCommands::saveClick);
    mndosyaac_ = binder.bind("mndosyaac", this, &NoteFileCommands::mndosyaacExecute);
    binder.bind("mnnotadonustur", this, &NoteFileCommands::mnnotadonusturExecute);
    // The shortcuts of the context menu's entries work while the menu is closed.
    Yeni1_ = binder.bind("Yeni1", this, &NoteFileCommands::newClick);
    A1_ = binder.bind("A1", this, &NoteFileCommands::openClick);
    binder.bind("Kaydet1", this, &NoteFileCommands::saveClick);
    // The registration runs its tools in the background; the window goes on.
    registration_ = new platform::FileTypeRegistration(&window_);
    connect(registration_, &platform::FileTypeRegistration::finished, this, &NoteFileCommands::fileTypeRegistered);
    binder.bind("DosyaTrTanmla1", this, &NoteFileCommands::DosyaTrTanmla1Click);
}

void NoteFileCommands::openCommandLineFile(const QStringList& arguments, QAction* showList)
{
    if (arguments.isEmpty())
        return;
    const QString path = joinCommandLine(arguments);
    const QFileInfo file(path);
    if (!file.exists() || !file.isFile()) {
        dialogs_.tell(&window_, platform::applicationTitle(),
                      QLatin1Char('(') + path + QString::fromUtf8(")Dosyası bulunamıyor..!"),
                      platform::Dialogs::Icon::None);
        return;
    }
    startupOpen_ = true;
    startupPath_ = path;
    mndosyaac_->trigger();
    startupOpen_ = false;
    // The window opens with the loaded list in view.
    showList->trigger();
}

bool NoteFileCommands::askToEndRecording()
{
    // Only a running recording is asked about; Yes ends it and the command goes on.
    if (!recorder_.recording())
        return true;
    const bool yes =
        dialogs_.ask(&window_, QStringLiteral("UYARI"),
                     QString::fromUtf8("Şu An Kayıt Modundasınız.\r\r"
                                       "Kayıt İşlemini Otomatik Durdurmak ve İşleme Devam Etmek İstiyormusunuz."),
                     platform::Dialogs::Icon::Warning);
    if (yes)
        emit recordingEndNeeded();
    return yes;
}

void NoteFileCommands::newClick()
{
    if (!lists_.isEmpty()
        && !dialogs_.ask(&window_, QStringLiteral("Yeni"),
                         QString::fromUtf8("Listedeki Notalar Temizlenecek. Devam mı?"),
                         platform::Dialogs::Icon::Information))
        return;
    emit playbackEndNeeded();
    emit recordingEndNeeded();
    lists_.clear();
    ListBox1_->setFocus();
}

void NoteFileCommands::openClick()
{
    mndosyaac_->trigger();
}

void NoteFileCommands::mndosyaacExecute()
{
    QString path = startupPath_;
    if (!startupOpen_) {
        if (!askToEndRecording())
            return;
        path = dialogs_.openFileName(&window_, noteFilter(), QStringLiteral("tnl"));
        if (path.isEmpty())
            return;
    }
    emit playbackEndNeeded();
    window_.setEnabled(false);
    const bool opened = platform::runCommand(dialogs_, &window_, [this, &path] {
        // The window is enabled again before an error box shows, and after the lists are filled.
        const QScopeGuard enableAgain([this] { window_.setEnabled(true); });
        QStringList entries = readNoteFile(path);
        QStringList lines = visibleLinesOf(entries);
        lists_.replaceAll(std::move(entries), std::move(lines));
    });
    if (opened && !startupOpen_)
        ListBox1_->setFocus();
}

void NoteFileCommands::saveClick()
{
    if (lists_.isEmpty() || !askToEndRecording())
        return;
    const QString path =
        dialogs_.saveFileName(&window_, noteFilter() + u'|' + platform::midiFileFilter(), QStringLiteral("tnl"));
    if (path.isEmpty())
        return;
    if (platform::runCommand(dialogs_, &window_, [&] {
            if (!platform::isMidiFileName(path)) {
                writeNoteFile(path, lists_.entries());
                return;
            }
            QString error;
            if (!saveNoteListAsMidi(lists_.entries(), path, &error))
                throw platform::CommandError(error);
        }))
        ListBox1_->setFocus();
}

void NoteFileCommands::mnnotadonusturExecute()
{
    if (lists_.isEmpty())
        return;
    emit recordingEndNeeded();
    const QString path = dialogs_.saveFileName(&window_, textFilter(), QStringLiteral("txt"));
    if (path.isEmpty())
        return;
    platform::runCommand(dialogs_, &window_, [&] { writeDisplayTextFile(path, lists_.lines()); });
}

void NoteFileCommands::DosyaTrTanmla1Click()
{
    // A second request while one runs would write the same; the first one's message answers both.
    registration_->start(noteFileType(), QCoreApplication::applicationFilePath());
}

void NoteFileCommands::fileTypeRegistered(const QStringList& problems)
{
    // A registration that did not take is not reported as done: the user learns what failed.
    if (!problems.isEmpty()) {
        platform::showError(dialogs_, &window_, problems.join(u'\n'));
        return;
    }
    dialogs_.tell(&window_, platform::applicationTitle(), fileTypeRegisteredText(),
                  platform::Dialogs::Icon::Information);
}

} // namespace tezvan
