#pragma once
// The change panel (`Panel1`): built once, hidden; opened to give an entry another note or
// to put a new note in before one. Its two listen buttons sound a note without recording it.
// The panel changes the lists; the commands that open it and what waits meanwhile are
// EditCommands'.

#include <QFrame>

class QComboBox;
class QLabel;

namespace tezvan {

class FlatButton;
class NoteLists;
class NoteSound;

class ChangePanel final : public QFrame {
    Q_OBJECT
public:
    ChangePanel(NoteLists& lists, NoteSound& sound, QWidget* parent);

    // Made ready for changing row, or inserting before it (-1: at the end).
    void prepare(int row, bool inserting);
    void present(); // shown, on top, the drop-down list in focus
    // Sounds the note of a visible line, as the listen button beside the line does.
    void listenTo(const QString& line);

public slots:
    void SpeedButton1Click(); // "Dinl&e": the chosen note sounds
    void SpeedButton2Click(); // apply: the entry changed or the note inserted, then closed
    void SpeedButton3Click(); // "&VAZGEÇ": closed, nothing changed
    void SpeedButton4Click(); // "Di&nle": the line's note sounds

signals:
    void done(); // applied or given up: the panel may close

private:
    FlatButton* button(const char* name, const QString& caption, QRect place, void (ChangePanel::*click)());

    NoteLists& lists_;
    NoteSound& sound_;
    QLabel* panelTitle_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLabel* Label4_ = nullptr;
    QComboBox* ComboBox1_ = nullptr;
    FlatButton* SpeedButton2_ = nullptr;
    bool inserting_ = false;
    int row_ = -1; // the entry changed, or inserted before; -1: appended
};

} // namespace tezvan
