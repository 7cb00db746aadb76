#include "CommandBinder.h"

#include "FlatHint.h"
#include "ImageList.h"
#include "SideBarMenu.h"

#include "tezvan/core/CommandTable.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>

namespace tezvan {
namespace {

// The Qt key of a virtual-key word, for the keys the table names: letters, digits and the
// function keys, with Shift, Ctrl and Alt.
QKeySequence keyOfWord(quint16 word)
{
    const int code = word & 0xFF;
    int key = 0;
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'))
        key = code;
    else if (code >= 0x70 && code <= 0x87)
        key = Qt::Key_F1 + (code - 0x70);
    if (key == 0)
        return {};
    Qt::KeyboardModifiers mods;
    if (word & 0x2000)
        mods |= Qt::ShiftModifier;
    if (word & 0x4000)
        mods |= Qt::ControlModifier;
    if (word & 0x8000)
        mods |= Qt::AltModifier;
    return QKeySequence(QKeyCombination(mods, Qt::Key(key)));
}

// The keys of an action are heard in its window, the menu closed or open.
void giveKey(QAction* a, quint16 word)
{
    a->setShortcut(keyOfWord(word));
    a->setShortcutContext(Qt::WindowShortcut);
}

} // namespace

CommandBinder::CommandBinder(QWidget& owner, platform::Clock& clock) : owner_(owner), clock_(clock) {}

QAction* CommandBinder::bind(const char* name)
{
    const CommandText text = commandText(name);
    auto* a = new QAction(text.caption, &owner_);
    a->setObjectName(QString::fromLatin1(name));
    if (!text.shortcuts.empty()) {
        QList<QKeySequence> keys;
        for (quint16 word : text.shortcuts)
            keys << keyOfWord(word);
        a->setShortcuts(keys);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    if (text.hinted)
        a->setStatusTip(menuHint());
    owner_.addAction(a);
    return a;
}

QAction* CommandBinder::commandAction(const char* name, const QString& caption)
{
    // Commands live on the window. One the program does not have yet is there all the same,
    // greyed, so that the menu shows every entry.
    if (auto* a = owner_.findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly))
        return a;
    auto* a = new QAction(caption, &owner_);
    a->setObjectName(QString::fromLatin1(name));
    a->setEnabled(false);
    owner_.addAction(a);
    return a;
}

void CommandBinder::bindActionList()
{
    for (const ActionRow& row : actionList()) {
        // The note actions are made with their buttons and play by the key assignment's
        // keys; `mndurdur` runs nothing.
        QAction* a = commandAction(row.name, row.caption);
        a->setProperty("Category", QString::fromLatin1(row.category));
        if (row.hinted)
            a->setStatusTip(menuHint());
        if (row.shortcut && !row.note && a->shortcut().isEmpty())
            giveKey(a, row.shortcut);
    }
}

void CommandBinder::fillMenu(SideBarMenu* menu, std::span<const MenuEntry> entries)
{
    for (const MenuEntry& e : entries) {
        if (e.isSeparator()) {
            menu->addSeparator();
            continue;
        }
        const QString name = QString::fromLatin1(e.name);
        const QString caption = e.caption ? QString::fromUtf8(e.caption) : QString();
        QAction* entry = nullptr;
        if (e.isSubmenu()) {
            SideBarMenu* sub = menu->addSideBarMenu(caption);
            sub->setObjectName(name + QStringLiteral("Menu"));
            fillMenu(sub, e.submenu);
            entry = sub->menuAction();
            entry->setObjectName(name);
        } else if (!e.action) {
            // An entry with a click of its own is the window's action of the entry's name.
            entry = commandAction(e.name, caption);
            menu->addAction(entry);
        } else {
            QAction* command = commandAction(e.action, caption);
            entry = new QAction(menu);
            entry->setObjectName(name);
            entry->setProperty("command", QString::fromLatin1(e.action));
            const auto follow = [entry, command, caption] {
                SideBarMenu::setEntryText(entry, caption.isEmpty() ? command->text() : caption, command->shortcut());
                entry->setEnabled(command->isEnabled());
                entry->setVisible(command->isVisible());
            };
            connect(command, &QAction::changed, entry, follow);
            connect(entry, &QAction::triggered, command, &QAction::trigger);
            menu->addAction(entry);
            // The key of the entry is the command's, heard by the window.
            if (e.shortcut && command->shortcut().isEmpty())
                giveKey(command, e.shortcut);
            follow();
        }
        if (!e.isSubmenu() && !e.action && e.shortcut && entry->shortcut().isEmpty())
            giveKey(entry, e.shortcut);
        entry->setIcon(ImageList1_->icon(e.icon));
        entry->setShortcutVisibleInContextMenu(true);
        entry->setStatusTip(menuHint());
    }
    // The highlight reaching an entry gives the hint once; the menu reports every move.
    connect(menu, &QMenu::hovered, this, [this](QAction* entry) {
        if (entry == highlighted_)
            return;
        highlighted_ = entry;
        emit hinted(entry->statusTip());
    });
}

void CommandBinder::buildMenu()
{
    ImageList1_ = new ImageList(&owner_);
    bindActionList();
    kisayol_menusu_ = new SideBarMenu(&owner_);
    kisayol_menusu_->setObjectName(QStringLiteral("kisayol_menusu"));
    fillMenu(kisayol_menusu_, contextMenu());
    connect(kisayol_menusu_, &QMenu::aboutToHide, this, [this] { highlighted_ = nullptr; });
    FlatHint1_ = new FlatHint(clock_, &owner_);
}

bool CommandBinder::isMenuStatusTip(QObject* watched) const
{
    // The hints the menu also sends on its own along with every mouse move are not heard.
    return watched == &owner_ && qobject_cast<SideBarMenu*>(QApplication::activePopupWidget());
}

bool CommandBinder::openMenu(QObject* watched, QEvent* event, bool waits)
{
    // The window's only menu: the secondary button on any of its controls or places.
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != &owner_)
        return false;
    if (!waits)
        kisayol_menusu_->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
}

} // namespace tezvan
