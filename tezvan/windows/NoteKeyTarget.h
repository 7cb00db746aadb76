#pragma once
// What the key assignment window needs of the window whose notes it keys: the keys in
// force, to put new ones in force, to be opened on that window's request, and to hand the
// focus back when it closes.

#include "tezvan/core/NoteKeys.h"

#include <functional>

class QObject;

namespace tezvan {

class NoteKeyTarget {
public:
    virtual KeyWords noteKeys() const = 0;
    virtual void setNoteKeys(const KeyWords& words) = 0;
    // open runs when the user asks for the key window (any recording already ended), for as
    // long as window lives.
    virtual void onKeyAssignmentRequested(QObject* window, std::function<void()> open) = 0;
    virtual void keyAssignmentClosed() = 0; // shown, raised and active again

protected:
    ~NoteKeyTarget() = default;
};

} // namespace tezvan
