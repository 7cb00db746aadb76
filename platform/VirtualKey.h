#pragma once
// Key events as Windows virtual-key words: the key code in the low byte, 0x2000 Shift,
// 0x4000 Ctrl, 0x8000 Alt. The code comes from the physical key (the xkb key code on
// Linux, the native virtual key on Windows), so "the key right of L" is one key on every
// keyboard layout; Qt's key is the fallback where an event carries no native code.

#include <QtGlobal>

class QKeyEvent;

namespace platform {

namespace vk {
constexpr quint16 Shift = 0x2000;
constexpr quint16 Ctrl = 0x4000;
constexpr quint16 Alt = 0x8000;

constexpr quint8 F1 = 0x70;
constexpr quint8 Numpad0 = 0x60;
constexpr quint8 Add = 107;      // numeric keypad +
constexpr quint8 Subtract = 109; // numeric keypad -
constexpr quint8 Oem1 = 186;     // the key right of L
constexpr quint8 Oem3 = 192;     // the key left of 1
constexpr quint8 Oem7 = 222;     // the key right of the key right of L
} // namespace vk

// The virtual-key code of the key behind the event; 0 when it has none.
quint8 virtualKeyCode(const QKeyEvent& event);

// The code with the Shift, Ctrl and Alt bits of the event's modifiers.
quint16 shortcutWord(const QKeyEvent& event);

// The virtual-key code of an X11/xkb key code (evdev + 8); 0 for keys without one.
quint8 virtualKeyFromXkb(quint32 keycode);

// The xkb key code of the key with this virtual-key code, the first where several have it
// (Enter, Ctrl); 0 for none.
quint32 xkbFromVirtualKey(quint8 code);

} // namespace platform
