// The main window's file-type command: this program becomes the user's handler of ".tnl"
// note files. The registration runs its tools in the background; the window goes on.

#include "TForm1.h"

#include "tezvan/core/NoteFileType.h"

#include "platform/Dialogs.h"
#include "platform/FileTypeRegistration.h"

#include <QAction>
#include <QCoreApplication>

namespace tezvan {

void TForm1::buildFileTypeAction()
{
    registration_ = new platform::FileTypeRegistration(this);
    connect(registration_, &platform::FileTypeRegistration::finished, this, &TForm1::fileTypeRegistered);
    windowAction("DosyaTrTanmla1", QString::fromUtf8("Dosya Türü Tanıt (*.tnl)"), {}, &TForm1::DosyaTrTanmla1Click);
}

void TForm1::DosyaTrTanmla1Click()
{
    // A second request while one runs would write the same; the first one's message answers both.
    registration_->start(noteFileType(), QCoreApplication::applicationFilePath());
}

void TForm1::fileTypeRegistered(const QStringList& problems)
{
    // A registration that did not take is not reported as done: the user learns what failed.
    if (!problems.isEmpty()) {
        platform::showError(dialogs_, this, problems.join(u'\n'));
        return;
    }
    dialogs_.tell(this, platform::applicationTitle(), fileTypeRegisteredText(), platform::Dialogs::Icon::Information);
}

} // namespace tezvan
