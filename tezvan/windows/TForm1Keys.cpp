// The main window's side of the key assignment: the command that opens the key window.
// Which note a key plays is tezvan_core's NoteKeys; the window itself is TFRMTUS.
#include "TForm1.h"

#include <QAction>

namespace tezvan {

void TForm1::buildKeyAssignmentAction()
{
    QAction* a = windowAction("mnklavye", QString::fromUtf8("Klavye Tuş Ayarlaması..."),
                              QKeySequence(Qt::CTRL | Qt::Key_K), &TForm1::mnklavyeExecute);
    a->setStatusTip(QStringLiteral("M"));
}

void TForm1::mnklavyeExecute()
{
    DURUMMClick();
    emit keyAssignmentRequested();
}

} // namespace tezvan
