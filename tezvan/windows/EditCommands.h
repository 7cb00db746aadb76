#pragma once
// Editing the take: change, insert and delete an entry, move one time or all of them by the
// fixed step, reset them, set the step, undo and redo, and the change panel they open. The
// rules are tezvan_core's (NoteEdits, NoteLists); here each command asks for the window to
// come to rest at its point, asks, tells and wires.

#include <QObject>
#include <array>
#include <vector>

class QAction;
class QListView;
class QWidget;

namespace platform {
class Dialogs;
}

namespace tezvan {

class ChangePanel;
class CommandBinder;
class NoteLists;

class EditCommands final : public QObject {
    Q_OBJECT
public:
    // controls: what waits, disabled, while the panel is up; list: the visible lines.
    EditCommands(CommandBinder& binder, NoteLists& lists, platform::Dialogs& dialogs, QWidget* dialogParent,
                 QListView* list, QWidget* controls, ChangePanel* panel);

    // A command that replaces the lists waits while the panel is up too.
    void waitWhilePanelOpen(QAction* command) { listChangers_.push_back(command); }
    bool panelOpen() const { return panelOpen_; }

    // The fixed step (1..1000; outside that, 1); setting it rebuilds mn1, mn2, mnt1, mnt2.
    int step() const { return artirma_; }
    void setStep(int step);

    int selectedVisibleLine() const;

public slots:
    void mndegistirExecute();
    void mnarayaekleExecute();
    void mnsilExecute();
    void mn1Execute() { shiftSelected(artirma_); }
    void mn2Execute() { shiftSelected(-artirma_); }
    void mnt1Execute() { shiftAll(artirma_); }
    void mnt2Execute() { shiftAll(-artirma_); }
    void mntumsifirlaExecute();
    void mnayarlarExecute();
    void mngerialExecute();
    void mnyineleExecute();

signals:
    void restNeeded();         // playback and recording end before the lists change
    void recordingEndNeeded(); // the recording ends before a question

private:
    void editMessage(const char* text, bool warning = false);
    int selectedLineAtRest(); // -1, and said, when the list is empty or nothing is selected
    void shiftAll(int delta);
    void shiftSelected(int delta);
    void openPanel(int row, bool inserting);
    void closePanel();

    NoteLists& lists_;
    platform::Dialogs& dialogs_;
    QWidget* dialogParent_;
    QListView* ListBox1_;
    QWidget* Kontroller_;
    ChangePanel* Panel1_;
    std::array<QAction*, 4> stepActions_{}; // mn1, mn2, mnt1, mnt2
    std::vector<QAction*> listChangers_;    // wait while the change panel is up
    int artirma_ = 0;
    bool panelOpen_ = false;
};

} // namespace tezvan
