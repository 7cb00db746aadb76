#pragma once
// The note file commands: New, Open, Save, Save as displayed, the start-up open from the
// command line, and making this program the user's handler of ".tnl" files. Reading,
// writing and the visible lines are tezvan_core's; an error ends the command in the
// program's error box.

#include <QObject>
#include <QString>
#include <array>

class QAction;
class QListView;
class QWidget;

namespace platform {
class Dialogs;
class FileTypeRegistration;
} // namespace platform

namespace tezvan {

class CommandBinder;
struct MainControls;
class NoteLists;
class Recorder;

class NoteFileCommands final : public QObject {
    Q_OBJECT
public:
    // window: the boxes' parent, disabled while a file loads.
    NoteFileCommands(CommandBinder& binder, NoteLists& lists, const Recorder& recorder, platform::Dialogs& dialogs,
                     QWidget& window, const MainControls& controls);

    // A note file named on the command line (arguments without the program), opened with the
    // list shown by showList.
    void openCommandLineFile(const QStringList& arguments, QAction* showList);
    // The commands that replace the lists: New, Open and the open by name.
    std::array<QAction*, 3> listReplacers() const { return {Yeni1_, A1_, mndosyaac_}; }

public slots:
    void newClick();
    void openClick();
    void mndosyaacExecute();
    void saveClick();
    void mnnotadonusturExecute();
    void DosyaTrTanmla1Click();

signals:
    void playbackEndNeeded();  // before the lists change
    void recordingEndNeeded(); // before a file is chosen

private:
    bool askToEndRecording();
    void fileTypeRegistered(const QStringList& problems);

    NoteLists& lists_;
    const Recorder& recorder_;
    platform::Dialogs& dialogs_;
    QWidget& window_;
    QListView* ListBox1_;
    QAction* Yeni1_ = nullptr;
    QAction* A1_ = nullptr;
    QAction* mndosyaac_ = nullptr;
    platform::FileTypeRegistration* registration_ = nullptr;
    bool startupOpen_ = false;
    QString startupPath_;
};

} // namespace tezvan
