#pragma once
// The ways into the fourteen note actions from outside the window's controls: a note key,
// seen before any control sees it, and a MIDI keyboard's note. Each triggers its note's
// action, unless the change panel is up (its own controls take the keys then) or the action
// is disabled.

#include "MainControls.h"

#include "tezvan/core/NoteKeys.h"

#include <functional>

class QKeyEvent;

namespace tezvan {

class NoteTriggers {
public:
    NoteTriggers(const NoteKeys& keys, const MainControls& controls, std::function<bool()> panelOpen)
        : keys_(keys), controls_(controls), panelOpen_(std::move(panelOpen))
    {
    }

    // A key press or shortcut check of a note key: the note plays on the press, and the
    // event is taken; false for any other key.
    bool preview(QKeyEvent* event);
    // Note k, as its key would play it.
    void play(int k);

private:
    bool playable(int k) const;

    const NoteKeys& keys_;
    const MainControls& controls_;
    std::function<bool()> panelOpen_;
};

} // namespace tezvan
