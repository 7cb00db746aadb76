#include "EditCommands.h"

#include "ChangePanel.h"
#include "CommandBinder.h"

#include "tezvan/core/NoteEdits.h"
#include "tezvan/core/NoteLists.h"

#include "platform/Dialogs.h"
#include "platform/RunCommand.h"

#include <QAction>
#include <QListView>

namespace tezvan {
namespace {

const char* const kNothingToChange = "Listede Değiştirilecek Nota Bulunamadı...";
const char* const kNoneSelected = "Seçili Nota Bulunamadı...";

} // namespace

EditCommands::EditCommands(CommandBinder& binder, NoteLists& lists, platform::Dialogs& dialogs,
                           QWidget* dialogParent, QListView* list, QWidget* controls, ChangePanel* panel)
    : lists_(lists), dialogs_(dialogs), dialogParent_(dialogParent), ListBox1_(list), Kontroller_(controls),
      Panel1_(panel)
{
    // The commands that change the lists wait while the change panel is up.
    auto changer = [&](const char* name, void (EditCommands::*handler)()) {
        QAction* a = binder.bind(name, this, handler);
        listChangers_.push_back(a);
        return a;
    };
    changer("mndegistir", &EditCommands::mndegistirExecute);
    changer("mnarayaekle", &EditCommands::mnarayaekleExecute);
    changer("mnsil", &EditCommands::mnsilExecute);
    stepActions_ = {changer("mn1", &EditCommands::mn1Execute), changer("mn2", &EditCommands::mn2Execute),
                    changer("mnt1", &EditCommands::mnt1Execute), changer("mnt2", &EditCommands::mnt2Execute)};
    changer("mntumsifirla", &EditCommands::mntumsifirlaExecute);
    changer("mnayarlar", &EditCommands::mnayarlarExecute);
    changer("mngerial", &EditCommands::mngerialExecute);
    changer("mnyinele", &EditCommands::mnyineleExecute);
    connect(Panel1_, &ChangePanel::done, this, &EditCommands::closePanel);
    setStep(kDefaultStep);
}

void EditCommands::setStep(int step)
{
    artirma_ = validStep(step);
    const std::array<QString, 4> captions = stepCaptions(artirma_);
    for (std::size_t i = 0; i < captions.size(); ++i)
        stepActions_[i]->setText(captions[i]);
}

int EditCommands::selectedVisibleLine() const
{
    const QModelIndexList selected = ListBox1_->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void EditCommands::editMessage(const char* text, bool warning)
{
    dialogs_.tell(dialogParent_, QStringLiteral("Hata"), QString::fromUtf8(text),
                  warning ? platform::Dialogs::Icon::Warning : platform::Dialogs::Icon::Stop);
}

void EditCommands::openPanel(int row, bool inserting)
{
    Panel1_->prepare(row, inserting);
    panelOpen_ = true;
    for (QAction* a : listChangers_)
        a->setEnabled(false);
    Kontroller_->setEnabled(false);
    Panel1_->present();
}

void EditCommands::closePanel()
{
    Kontroller_->setEnabled(true);
    Panel1_->hide();
    panelOpen_ = false;
    for (QAction* a : listChangers_)
        a->setEnabled(true);
    ListBox1_->setFocus();
}

int EditCommands::selectedLineAtRest()
{
    // The line selected when the command came; the window's rest may clear the selection.
    const int i = selectedVisibleLine();
    if (lists_.isEmpty()) {
        editMessage(kNothingToChange);
        return -1;
    }
    emit restNeeded();
    if (selectedVisibleLine() < 0) {
        editMessage(kNoneSelected);
        return -1;
    }
    return i;
}

void EditCommands::mndegistirExecute()
{
    if (const int i = selectedLineAtRest(); i >= 0)
        openPanel(i, false);
}

void EditCommands::mnarayaekleExecute()
{
    emit restNeeded();
    openPanel(selectedVisibleLine(), true);
}

void EditCommands::mnsilExecute()
{
    const int i = selectedVisibleLine();
    if (lists_.isEmpty())
        return editMessage("Listede Hiçbir Nota Bulunamadı...", true);
    if (i < 0)
        return editMessage("Silinecek Notayı Seçmelisiniz...");
    emit restNeeded();
    lists_.removeAt(i);
}

void EditCommands::shiftSelected(int delta)
{
    const int i = selectedLineAtRest();
    if (i < 0)
        return;
    platform::runCommand(dialogs_, dialogParent_,
                         [&] { lists_.setAt(i, shiftedEntry(lists_.entry(i), delta), lists_.line(i)); });
}

void EditCommands::shiftAll(int delta)
{
    if (lists_.isEmpty())
        return editMessage(kNothingToChange);
    emit restNeeded();
    // All or nothing: an entry whose time is no number leaves the whole list as it was.
    platform::runCommand(dialogs_, dialogParent_, [&] { lists_.shiftTimes(delta); });
}

void EditCommands::mntumsifirlaExecute()
{
    emit restNeeded();
    if (lists_.isEmpty())
        return editMessage(kNothingToChange);
    lists_.resetTimes();
}

void EditCommands::mnayarlarExecute()
{
    emit recordingEndNeeded();
    const std::optional<QString> answer = dialogs_.inputText(
        dialogParent_, QString::fromUtf8("SABİT DEĞİŞİMİ"),
        QString::fromUtf8("Sabit Artırma-Azaltma Sayısını 1 - 1000 Arası Giriniz."), QString::number(artirma_));
    // Cancel keeps the step.
    setStep(answer ? stepOfAnswer(*answer) : artirma_);
}

void EditCommands::mngerialExecute()
{
    emit restNeeded();
    lists_.undo();
}

void EditCommands::mnyineleExecute()
{
    emit restNeeded();
    lists_.redo();
}

} // namespace tezvan
