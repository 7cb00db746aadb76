#pragma once
// The look of the main window's context menu and its submenus: a side bar along the left
// edge, a gradient from white at the top to red at the bottom carrying "Tezvan 3.2" upwards,
// with every entry drawn the bar's width further right.

#include <QKeySequence>
#include <QMenu>

namespace tezvan {

class SideBarMenu final : public QMenu {
    Q_OBJECT
public:
    explicit SideBarMenu(QWidget* parent);

    // A submenu of the same look, owned by this menu.
    SideBarMenu* addSideBarMenu(const QString& title);

    // The bar's rectangle inside the menu (inside its frame, the whole height).
    QRect barRect() const;
    // Where the title's text starts: its left edge and the row it reads upward from.
    QPoint titleStart() const;

    // An entry may show a key it does not itself listen to: the key of the command it runs,
    // which the window listens to whether the menu is open or not. The key stands in the
    // entry's text after a tab, so the menu makes room for it.
    static void setEntryText(QAction* entry, const QString& caption, const QKeySequence& key);
    static QString caption(const QAction* entry);
    static QKeySequence shownShortcut(const QAction* entry);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int frameWidth() const;
    QFont titleFont() const;
};

} // namespace tezvan
