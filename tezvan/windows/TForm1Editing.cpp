// Editing the take in the main window: change, insert and delete an entry, move one time or
// all of them by the fixed step, reset them, set the step, undo and redo. The rules are
// tezvan_core's (NoteEdits, NoteLists); here each command brings the window to rest at its
// point, asks, tells and wires.
#include "TForm1.h"

#include "tezvan/core/NoteEdits.h"

#include "platform/Dialogs.h"
#include "platform/RunCommand.h"

#include <QAction>
#include <QListView>

namespace tezvan {
namespace {

const char* const kNothingToChange = "Listede Değiştirilecek Nota Bulunamadı...";
const char* const kNoneSelected = "Seçili Nota Bulunamadı...";

} // namespace

void TForm1::buildEditingActions()
{
    // The commands that change the lists wait while the change panel is up; so do New and
    // Open, so the entry the panel was opened for cannot vanish under it.
    auto changer = [this](const char* name, const QString& caption, void (TForm1::*handler)(),
                          QKeySequence key = {}) {
        QAction* a = windowAction(name, caption, key, handler);
        listChangers_.push_back(a);
        return a;
    };
    changer("mndegistir", QString::fromUtf8("Değiştir"), &TForm1::mndegistirExecute);
    changer("mnarayaekle", QStringLiteral("Araya Ekle"), &TForm1::mnarayaekleExecute);
    changer("mnsil", QString::fromUtf8("Seçili Nota Sil"), &TForm1::mnsilExecute);
    stepActions_ = {changer("mn1", {}, &TForm1::mn1Execute), changer("mn2", {}, &TForm1::mn2Execute),
                    changer("mnt1", {}, &TForm1::mnt1Execute), changer("mnt2", {}, &TForm1::mnt2Execute)};
    changer("mntumsifirla", QString::fromUtf8("Tüm Zamanları Sıfırla"), &TForm1::mntumsifirlaExecute);
    changer("mnayarlar", QStringLiteral("Ayarlar"), &TForm1::mnayarlarExecute);
    changer("mngerial", QStringLiteral("Geri Al"), &TForm1::mngerialExecute, QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = changer("mnyinele", QStringLiteral("Yinele"), &TForm1::mnyineleExecute);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    redo->setShortcutContext(Qt::WindowShortcut);
    for (const char* name : {"Yeni1", "A1", "mndosyaac"})
        if (auto* a = findChild<QAction*>(QString::fromLatin1(name)))
            listChangers_.push_back(a);
    setArtirma(kDefaultStep);
}

void TForm1::setArtirma(int step)
{
    artirma_ = validStep(step);
    const std::array<QString, 4> captions = stepCaptions(artirma_);
    for (std::size_t i = 0; i < captions.size(); ++i)
        stepActions_[i]->setText(captions[i]);
}

void TForm1::bringToRest()
{
    stopPlaybackFirst();
    DURUMMClick();
}

int TForm1::selectedVisibleLine() const
{
    const QModelIndexList selected = ListBox1_->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void TForm1::editMessage(const char* text, bool warning)
{
    dialogs_.tell(this, QStringLiteral("Hata"), QString::fromUtf8(text),
                  warning ? platform::Dialogs::Icon::Warning : platform::Dialogs::Icon::Stop);
}

void TForm1::mndegistirExecute()
{
    const int i = selectedVisibleLine();
    if (lists_.isEmpty())
        return editMessage(kNothingToChange);
    bringToRest();
    if (selectedVisibleLine() < 0)
        return editMessage(kNoneSelected);
    openChangePanel(i, false);
}

void TForm1::mnarayaekleExecute()
{
    bringToRest();
    openChangePanel(selectedVisibleLine(), true);
}

void TForm1::mnsilExecute()
{
    const int i = selectedVisibleLine();
    if (lists_.isEmpty())
        return editMessage("Listede Hiçbir Nota Bulunamadı...", true);
    if (i < 0)
        return editMessage("Silinecek Notayı Seçmelisiniz...");
    bringToRest();
    lists_.removeAt(i);
}

void TForm1::shiftSelected(int delta)
{
    const int i = selectedVisibleLine();
    if (lists_.isEmpty())
        return editMessage(kNothingToChange);
    bringToRest();
    if (selectedVisibleLine() < 0)
        return editMessage(kNoneSelected);
    platform::runCommand(dialogs_, this, [&] { lists_.setAt(i, shiftedEntry(lists_.entry(i), delta), lists_.line(i)); });
}

void TForm1::mn1Execute()
{
    shiftSelected(artirma_);
}

void TForm1::mn2Execute()
{
    shiftSelected(-artirma_);
}

void TForm1::shiftAll(int delta)
{
    if (lists_.isEmpty())
        return editMessage(kNothingToChange);
    bringToRest();
    // All or nothing: an entry whose time is no number leaves the whole list as it was.
    platform::runCommand(dialogs_, this, [&] { lists_.shiftTimes(delta); });
}

void TForm1::mnt1Execute()
{
    shiftAll(artirma_);
}

void TForm1::mnt2Execute()
{
    shiftAll(-artirma_);
}

void TForm1::mntumsifirlaExecute()
{
    bringToRest();
    if (lists_.isEmpty())
        return editMessage(kNothingToChange);
    lists_.resetTimes();
}

void TForm1::mnayarlarExecute()
{
    DURUMMClick();
    const std::optional<QString> answer =
        dialogs_.inputText(this, QString::fromUtf8("SABİT DEĞİŞİMİ"),
                           QString::fromUtf8("Sabit Artırma-Azaltma Sayısını 1 - 1000 Arası Giriniz."),
                           QString::number(artirma_));
    // Cancel keeps the step.
    setArtirma(answer ? stepOfAnswer(*answer) : artirma_);
}

void TForm1::mngerialExecute()
{
    bringToRest();
    lists_.undo();
}

void TForm1::mnyineleExecute()
{
    bringToRest();
    lists_.redo();
}

} // namespace tezvan
