#pragma once
// Keys and clicks as the keyboard and the mouse deliver them to a window under test.

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace testing_support {

// The control that has the keyboard focus, or the window when none has it.
inline QWidget* focusedIn(QWidget* window)
{
    QWidget* f = QApplication::focusWidget();
    return f ? f : window;
}

struct KeyStroke {
    int qtKey = 0;
    quint32 nativeScanCode = 0; // the physical key's xkb code; 0 = none
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    QString text = {};
    bool autoRepeat = false;
};

// A key's press and release: to target, or, when none is given, each to the control that
// has the focus at that moment, as the keyboard sends them. With shortcutOverride a
// ShortcutOverride event goes first, as the window system sends before a press.
inline void pressAndRelease(QWidget* window, const KeyStroke& k, QWidget* target = nullptr,
                            bool shortcutOverride = false)
{
    const auto send = [&](QEvent::Type type) {
        QKeyEvent e(type, k.qtKey, k.modifiers, k.nativeScanCode, 0, 0, k.text, k.autoRepeat);
        QApplication::sendEvent(target ? target : focusedIn(window), &e);
    };
    if (shortcutOverride)
        send(QEvent::ShortcutOverride);
    send(QEvent::KeyPress);
    send(QEvent::KeyRelease);
}

// A left click in the middle of w.
inline void clickMiddle(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(w->width() / 2, w->height() / 2));
}

// Where a place of w lies in its window.
inline QPoint placeIn(const QWidget* window, const QWidget* w, QPoint inWidget)
{
    return w->mapTo(window, inWidget);
}

// A left click at a place of the window, on whatever control lies topmost there, as the
// mouse's would.
inline void clickWhatLiesAt(QWidget* window, QPoint inWindow)
{
    QWidget* hit = window->childAt(inWindow);
    if (!hit)
        hit = window;
    QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(window, inWindow));
}

// A left click at a place of the window through the window system, which routes it as it
// routes the mouse's.
inline void clickThroughWindow(QWidget* window, QPoint inWindow)
{
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
}

} // namespace testing_support
