#include "KeyName.h"

#include "KeyboardLayout.h"
#include "VirtualKey.h"

namespace platform {
namespace {

// The keys whose names the layout gives: the letters, the digits and the punctuation keys.
bool typesACharacter(quint8 code)
{
    return (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9') || (code >= 0xBA && code <= 0xC0)
        || (code >= 0xDB && code <= 0xDF) || code == 0xE2;
}

QString keyCodeText(quint8 code)
{
    if (typesACharacter(code)) {
        if (std::optional<QString> cap = keyCapInUse(code))
            return *cap;
    }
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'))
        return QString(QLatin1Char(char(code)));
    if (code >= vk::F1 && code < vk::F1 + 24)
        return QStringLiteral("F%1").arg(code - vk::F1 + 1);
    if (code >= vk::Numpad0 && code <= vk::Numpad0 + 9)
        return QStringLiteral("Num %1").arg(code - vk::Numpad0);
    const char* utf8 = nullptr;
    switch (code) {
    // The punctuation keys by their place, where the layout is not known (see VirtualKey.cpp).
    case vk::Oem1: utf8 = "Ş"; break;  // right of L
    case vk::Oem7: utf8 = "İ"; break;  // right of that
    case 0xBC: utf8 = "Ö"; break;      // right of M
    case 0xBE: utf8 = "Ç"; break;      // right of that
    case 0xBF: utf8 = "."; break;      // left of right Shift
    case 0xDB: utf8 = "Ğ"; break;      // right of P
    case 0xDD: utf8 = "Ü"; break;      // right of that
    case 0xDC: utf8 = ","; break;      // left of Enter, below it
    case vk::Oem3: utf8 = "\""; break; // left of 1
    case 0xBD: utf8 = "*"; break;      // right of 0
    case 0xBB: utf8 = "-"; break;      // right of that
    case 0xE2: utf8 = "<"; break;      // left of Z
    case vk::Add: utf8 = "Num +"; break;
    case vk::Subtract: utf8 = "Num -"; break;
    case 0x6A: utf8 = "Num *"; break;
    case 0x6E: utf8 = "Num Del"; break;
    case 0x6F: utf8 = "Num /"; break;
    case 0x08: utf8 = "Backspace"; break;
    case 0x09: utf8 = "Tab"; break;
    case 0x0D: utf8 = "Enter"; break;
    case 0x13: utf8 = "Pause"; break;
    case 0x14: utf8 = "Caps Lock"; break;
    case 0x1B: utf8 = "Esc"; break;
    case 0x20: utf8 = "Space"; break;
    case 0x21: utf8 = "PgUp"; break;
    case 0x22: utf8 = "PgDown"; break;
    case 0x23: utf8 = "End"; break;
    case 0x24: utf8 = "Home"; break;
    case 0x25: utf8 = "Left"; break;
    case 0x26: utf8 = "Up"; break;
    case 0x27: utf8 = "Right"; break;
    case 0x28: utf8 = "Down"; break;
    case 0x2C: utf8 = "Print"; break;
    case 0x2D: utf8 = "Ins"; break;
    case 0x2E: utf8 = "Del"; break;
    case 0x90: utf8 = "Num Lock"; break;
    case 0x91: utf8 = "Scroll Lock"; break;
    default: break;
    }
    // A code no key of ours sends (a hand-written file) still shows as itself.
    return utf8 ? QString::fromUtf8(utf8) : QStringLiteral("#%1").arg(code);
}

} // namespace

QString keyWordText(quint16 word)
{
    if (word == 0)
        return {};
    QString text;
    if (word & vk::Ctrl)
        text += QStringLiteral("Ctrl+");
    if (word & vk::Shift)
        text += QStringLiteral("Shift+");
    if (word & vk::Alt)
        text += QStringLiteral("Alt+");
    const quint8 code = quint8(word & 0xFF);
    return code ? text + keyCodeText(code) : text;
}

} // namespace platform
