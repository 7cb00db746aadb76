#pragma once
// The main window's commands as data: the action list in its stored order (category,
// caption, hint, design shortcut) and the context menu's tree (entry names, captions,
// icons, shortcuts, separators, submenus). The window builds its menu from these tables;
// what each command does lives with the command.

#include <QString>
#include <QtGlobal>
#include <span>
#include <vector>

namespace tezvan {

// The hint of every context-menu command: a marker, not a text to show. The window
// sounds the navigation click when the hint becomes this.
inline QString menuHint()
{
    return QStringLiteral("M");
}

struct ActionRow {
    const char* name;     // object name ("mnsil", "DO_K")
    const char* category; // groups the actions; nothing reads it; "" = none
    QString caption;
    bool hinted;       // carries the menu hint
    quint16 shortcut;  // design shortcut as a virtual-key word; 0 = none
    bool note = false; // a note action, whose key is the key assignment's
};

// Every action of the window in its stored order, the fourteen note actions included.
const std::vector<ActionRow>& actionList();

// The row of the action of that name, or nullptr.
const ActionRow* actionRow(const char* name);

struct MenuEntry {
    const char* name = nullptr;    // object name; nullptr for a separator
    const char* action = nullptr;  // the action it runs; nullptr for an entry with a click of
                                   // its own (an action of the entry's name) or a submenu
    const char* caption = nullptr; // UTF-8 caption of its own; nullptr = the action's
    int icon = -1;                 // index in the menu's icon list; -1 = none
    quint16 shortcut = 0;          // virtual-key word shown and pressed; 0 = none
    std::span<const MenuEntry> submenu = {};

    bool isSeparator() const { return name == nullptr; }
    bool isSubmenu() const { return !submenu.empty(); }
};

// The entries of the context menu, top to bottom.
std::span<const MenuEntry> contextMenu();

// What the table says of one command, wherever it stands: the caption and hint of its row in
// the action list (or of the menu entry that is the command itself), and its keys, from its
// row or the menu's entry for it. The windows bind their handlers by name and read the rest here.
struct CommandText {
    QString caption;
    std::vector<quint16> shortcuts; // virtual-key words, the first the one shown
    bool hinted = false;
};
CommandText commandText(const char* name);

// The number of icons the menu's icon list holds (indexes 0 to kMenuIconCount - 1).
constexpr int kMenuIconCount = 21;

} // namespace tezvan
