#include "NoteTriggers.h"

#include "platform/VirtualKey.h"

#include <QAction>
#include <QKeyEvent>

namespace tezvan {

bool NoteTriggers::preview(QKeyEvent* event)
{
    const int k = keys_.noteOf(platform::shortcutWord(*event)).value_or(-1);
    if (!playable(k))
        return false;
    if (event->type() == QEvent::KeyPress)
        controls_.noteActions[std::size_t(k)]->trigger();
    event->accept();
    return true;
}

void NoteTriggers::play(int k)
{
    if (playable(k))
        controls_.noteActions[std::size_t(k)]->trigger();
}

bool NoteTriggers::playable(int k) const
{
    return k >= 0 && k < kNoteCount && !panelOpen_() && controls_.noteActions[std::size_t(k)]->isEnabled();
}

} // namespace tezvan
