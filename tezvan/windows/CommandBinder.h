#pragma once
// Binds the command table to a window's actions: each command an action on the window,
// named, captioned, keyed and hinted from the table alone; then the context menu built from
// the table's tree, opened by the secondary button anywhere on the window, and the hint
// window. What a command does is its handler's; the table is tezvan_core's CommandTable.

#include <QAction>
#include <QObject>
#include <span>

class QEvent;

namespace platform {
class Clock;
}

namespace tezvan {

class FlatHint;
class ImageList;
class SideBarMenu;
struct MenuEntry;

class CommandBinder final : public QObject {
    Q_OBJECT
public:
    // The actions live on owner, where its shortcuts are heard.
    CommandBinder(QWidget& owner, platform::Clock& clock);

    // The command of that name as an action of the owner, running handler.
    template <typename Receiver> QAction* bind(const char* name, Receiver* receiver, void (Receiver::*handler)())
    {
        QAction* a = bind(name);
        connect(a, &QAction::triggered, receiver, handler);
        return a;
    }
    QAction* bind(const char* name); // a handler connected by the caller

    // Last, once every command is bound: the rest of the action list, the menu, the hint window.
    void buildMenu();

    // A context-menu event on the owner's controls opens the menu, unless it waits (the
    // event is then swallowed). True: the event was the menu's.
    bool openMenu(QObject* watched, QEvent* event, bool waits);
    // While the menu is open the hints of its entries come from the highlight alone.
    bool isMenuStatusTip(QObject* watched) const;

signals:
    // The highlight reached an entry carrying this hint.
    void hinted(const QString& hint);

private:
    QAction* commandAction(const char* name, const QString& caption);
    void bindActionList();
    void fillMenu(SideBarMenu* menu, std::span<const MenuEntry> entries);

    QWidget& owner_;
    platform::Clock& clock_;
    ImageList* ImageList1_ = nullptr;
    SideBarMenu* kisayol_menusu_ = nullptr;
    FlatHint* FlatHint1_ = nullptr;
    QAction* highlighted_ = nullptr; // the menu entry the highlight last reached
};

} // namespace tezvan
