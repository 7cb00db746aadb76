#pragma once
// The main window's controls at their design places, sizes, colours and fonts: the caption
// bar, the note panel (`Kontroller`) with the fourteen note buttons and their actions, the
// transport panel, the auto-record box, the zoom label and the list area. Built once; the
// window and its parts wire them. The hover looks of the buttons are here too.

#include "tezvan/core/NoteCatalogue.h"

#include <array>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QListView;
class QWidget;

namespace tezvan {

class CaptionBar;
class FlatButton;
class NoteKeys;
class NoteLists;

struct MainControls {
    QWidget* client = nullptr;
    CaptionBar* BaslikC = nullptr;
    QWidget* Kontroller = nullptr;
    std::array<FlatButton*, kNoteCount> N{};
    std::array<QAction*, kNoteCount> noteActions{}; // on actionOwner, not added to it
    QWidget* Panel3 = nullptr;
    FlatButton* PLAY_ = nullptr;
    FlatButton* new_ = nullptr;
    FlatButton* open = nullptr;
    FlatButton* save = nullptr;
    FlatButton* PAUSE_ = nullptr;
    FlatButton* DURUMM = nullptr;
    QCheckBox* oto_kayit = nullptr;
    QLabel* Label6 = nullptr; // the zoom level
    QListView* ListBox1 = nullptr;
    QLabel* Label5 = nullptr; // the note count

    std::array<FlatButton*, 5> transport() const { return {PLAY_, new_, open, save, PAUSE_}; }
};

// Builds the controls in a new client area of window, the list showing lists, the note
// buttons' hovers naming the keys of keys.
MainControls buildMainControls(QWidget* window, NoteLists& lists, const NoteKeys& keys);

// The hover looks: a note button shows its key and a bold, underlined caption; a transport
// button an underlined caption in the hover colour.
void showNoteHover(FlatButton* b, quint16 key);
void endNoteHover(FlatButton* b);
void showTransportHover(FlatButton* b, bool over);

} // namespace tezvan
