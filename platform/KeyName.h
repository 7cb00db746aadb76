#pragma once
// A virtual-key word as a person reads it: "Ctrl+A", "Shift+F5", "Ö". The key codes name
// physical keys (VirtualKey.h); the punctuation keys are named as a Turkish Q keyboard
// labels those places ("Ş" right of L, "Ö" and "Ç" right of M). Empty for 0.

#include <QString>
#include <QtGlobal>

namespace platform {

QString keyWordText(quint16 word);

} // namespace platform
