#include "KeyBox.h"

#include "platform/KeyName.h"
#include "platform/VirtualKey.h"

#include <QKeyEvent>

namespace tezvan {

KeyBox::KeyBox(QWidget* parent) : QLineEdit(parent)
{
    // Keys are captured, never typed: no paste, no input method, no editing menu.
    setReadOnly(true);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setCursor(Qt::IBeamCursor);
}

void KeyBox::setWord(quint16 word)
{
    word_ = word;
    setText(platform::keyWordText(word));
}

bool KeyBox::event(QEvent* event)
{
    // Named afresh at each opening: the user may have switched layouts since.
    if (event->type() == QEvent::Show)
        setText(platform::keyWordText(word_));
    // Every key pressed here is the box's, not a shortcut of any window (Alt+K included).
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* k = static_cast<QKeyEvent*>(event);
        if (k->key() != Qt::Key_Tab && k->key() != Qt::Key_Backtab) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void KeyBox::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta: return; // a modifier waits for its key
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        if ((event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0) {
            setWord(0);
            return;
        }
        break;
    default: break;
    }
    const quint16 word = platform::shortcutWord(*event);
    if (word & 0xFF)
        setWord(word);
}

} // namespace tezvan
