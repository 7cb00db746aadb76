#pragma once
// A virtual-key word as a person reads it: "Ctrl+A", "Shift+F5", "Ö". The key codes name
// physical keys (VirtualKey.h); the keys that type a character (letters, digits,
// punctuation) are named by the keyboard layout in use (";" right of L on a US layout),
// and where that is not known as a Turkish Q keyboard labels those places ("Ş" right of L,
// "Ö" and "Ç" right of M). Empty for 0.

#include <QString>
#include <QtGlobal>

namespace platform {

QString keyWordText(quint16 word);

} // namespace platform
