#include "VirtualKey.h"

#include <QKeyEvent>
#include <algorithm>
#include <iterator>

namespace platform {
namespace {

// clang-format off
// Virtual-key codes of the xkb key codes 0..135 of a PC keyboard (evdev rules).
constexpr quint8 kXkbToVk[136] = {
    // 0-7: none
    0, 0, 0, 0, 0, 0, 0, 0,
    // 8 none, 9 Escape, 10-19: 1..9 0, 20 minus, 21 equal, 22 BackSpace, 23 Tab
    0, 0x1B, '1', '2', '3', '4', '5', '6', '7', '8', '9', '0', 0xBD, 0xBB, 0x08, 0x09,
    // 24-35: Q W E R T Y U I O P [ ]
    'Q', 'W', 'E', 'R', 'T', 'Y', 'U', 'I', 'O', 'P', 0xDB, 0xDD,
    // 36 Return, 37 Control_L, 38-46: A..L, 47 ; 48 ' 49 ` 50 Shift_L 51 backslash
    0x0D, 0x11, 'A', 'S', 'D', 'F', 'G', 'H', 'J', 'K', 'L', 0xBA, 0xDE, 0xC0, 0x10, 0xDC,
    // 52-61: Z X C V B N M , . /
    'Z', 'X', 'C', 'V', 'B', 'N', 'M', 0xBC, 0xBE, 0xBF,
    // 62 Shift_R, 63 KP_Multiply, 64 Alt_L, 65 space, 66 Caps_Lock
    0x10, 0x6A, 0x12, 0x20, 0x14,
    // 67-76: F1..F10
    0x70, 0x71, 0x72, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79,
    // 77 Num_Lock, 78 Scroll_Lock, 79-81 KP 7 8 9, 82 KP_Subtract, 83-85 KP 4 5 6, 86 KP_Add
    0x90, 0x91, 0x67, 0x68, 0x69, 0x6D, 0x64, 0x65, 0x66, 0x6B,
    // 87-89 KP 1 2 3, 90 KP 0, 91 KP_Decimal, 92-93 none, 94 the key left of Z, 95 F11, 96 F12
    0x61, 0x62, 0x63, 0x60, 0x6E, 0, 0, 0xE2, 0x7A, 0x7B,
    // 97-103: none
    0, 0, 0, 0, 0, 0, 0,
    // 104 KP_Enter, 105 Control_R, 106 KP_Divide, 107 Print, 108 Alt_R, 109 none
    0x0D, 0x11, 0x6F, 0x2C, 0x12, 0,
    // 110 Home, 111 Up, 112 Prior, 113 Left, 114 Right, 115 End, 116 Down, 117 Next,
    // 118 Insert, 119 Delete
    0x24, 0x26, 0x21, 0x25, 0x27, 0x23, 0x28, 0x22, 0x2D, 0x2E,
    // 120-126: none, 127 Pause
    0, 0, 0, 0, 0, 0, 0, 0x13,
    // 128-135: none
    0, 0, 0, 0, 0, 0, 0, 0,
};
// clang-format on

quint8 virtualKeyFromQtKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool keypad = modifiers & Qt::KeypadModifier;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return quint8(key);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return keypad ? quint8(vk::Numpad0 + (key - Qt::Key_0)) : quint8(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return quint8(vk::F1 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Plus: return keypad ? vk::Add : 0xBB;
    case Qt::Key_Minus: return keypad ? vk::Subtract : 0xBD;
    case Qt::Key_Asterisk: return keypad ? 0x6A : 0;
    case Qt::Key_Equal: return 0xBB;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
    case 0x015E: // Ş: the key right of L on a Turkish keyboard
        return vk::Oem1;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde: return vk::Oem3;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl: return vk::Oem7;
    case Qt::Key_Comma: return 0xBC;
    case Qt::Key_Period: return keypad ? 0x6E : 0xBE;
    case Qt::Key_Slash: return keypad ? 0x6F : 0xBF;
    case Qt::Key_Backslash: return 0xDC;
    case Qt::Key_BracketLeft: return 0xDB;
    case Qt::Key_BracketRight: return 0xDD;
    case Qt::Key_Space: return 0x20;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 0x0D;
    case Qt::Key_Escape: return 0x1B;
    case Qt::Key_Tab: return 0x09;
    case Qt::Key_Backspace: return 0x08;
    case Qt::Key_Left: return 0x25;
    case Qt::Key_Up: return 0x26;
    case Qt::Key_Right: return 0x27;
    case Qt::Key_Down: return 0x28;
    case Qt::Key_Home: return 0x24;
    case Qt::Key_End: return 0x23;
    case Qt::Key_PageUp: return 0x21;
    case Qt::Key_PageDown: return 0x22;
    case Qt::Key_Insert: return 0x2D;
    case Qt::Key_Delete: return 0x2E;
    case Qt::Key_Shift: return 0x10;
    case Qt::Key_Control: return 0x11;
    case Qt::Key_Alt: return 0x12;
    default: return 0;
    }
}

} // namespace

quint8 virtualKeyFromXkb(quint32 keycode)
{
    return keycode < sizeof kXkbToVk ? kXkbToVk[keycode] : 0;
}

quint32 xkbFromVirtualKey(quint8 code)
{
    if (code == 0)
        return 0;
    const auto* at = std::find(std::begin(kXkbToVk), std::end(kXkbToVk), code);
    return at == std::end(kXkbToVk) ? 0 : quint32(at - std::begin(kXkbToVk));
}

quint8 virtualKeyCode(const QKeyEvent& event)
{
#if defined(Q_OS_WIN)
    if (event.nativeVirtualKey() != 0)
        return quint8(event.nativeVirtualKey());
#elif defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (event.nativeScanCode() != 0) {
        if (const quint8 code = virtualKeyFromXkb(event.nativeScanCode()))
            return code;
    }
#endif
    return virtualKeyFromQtKey(event.key(), event.modifiers());
}

quint16 shortcutWord(const QKeyEvent& event)
{
    quint16 word = virtualKeyCode(event);
    const Qt::KeyboardModifiers m = event.modifiers();
    if (m & Qt::ShiftModifier)
        word |= vk::Shift;
    if (m & Qt::ControlModifier)
        word |= vk::Ctrl;
    if (m & Qt::AltModifier)
        word |= vk::Alt;
    return word;
}

} // namespace platform
