#include "KeyboardLayout.h"

#include "VirtualKey.h"

#include <QGuiApplication>

// The layout is asked of the X server where Qt speaks X11 and libxkbcommon-x11 is at hand.
#if defined(TEZVAN_HAVE_XKB_X11) && QT_CONFIG(xcb)
#define TEZVAN_KEY_CAPS_FROM_X11
#include <memory>
#include <xkbcommon/xkbcommon-x11.h>
#endif

namespace platform {

#ifdef TEZVAN_KEY_CAPS_FROM_X11
namespace {

template <typename T, void (*unref)(T*)> struct Unref {
    void operator()(T* p) const { unref(p); }
};
using Context = std::unique_ptr<xkb_context, Unref<xkb_context, xkb_context_unref>>;
using Keymap = std::unique_ptr<xkb_keymap, Unref<xkb_keymap, xkb_keymap_unref>>;
using State = std::unique_ptr<xkb_state, Unref<xkb_state, xkb_state_unref>>;

// A dead key types nothing by itself; its cap shows the accent it puts on the next letter.
char32_t accentOfDeadKey(xkb_keysym_t sym)
{
    switch (sym) {
    case XKB_KEY_dead_grave: return U'`';
    case XKB_KEY_dead_acute: return U'´';
    case XKB_KEY_dead_circumflex: return U'^';
    case XKB_KEY_dead_tilde: return U'~';
    case XKB_KEY_dead_diaeresis: return U'¨';
    case XKB_KEY_dead_cedilla: return U'¸';
    case XKB_KEY_dead_abovering: return U'°';
    case XKB_KEY_dead_caron: return U'ˇ';
    case XKB_KEY_dead_breve: return U'˘';
    case XKB_KEY_dead_doubleacute: return U'˝';
    case XKB_KEY_dead_ogonek: return U'˛';
    case XKB_KEY_dead_abovedot: return U'˙';
    case XKB_KEY_dead_macron: return U'¯';
    default: return 0;
    }
}

// The character a key symbol types; empty for none, a space or a control character.
QString characterOf(xkb_keysym_t sym)
{
    char32_t c = xkb_keysym_to_utf32(sym);
    if (c == 0)
        c = accentOfDeadKey(sym);
    if (c <= U' ' || c == 0x7F)
        return {};
    return QString::fromUcs4(&c, 1);
}

// The cap of a key that types first alone and second with Shift: a lower-case letter shows
// as its capital, the layout's own where Shift types one ("i" is "İ" on a Turkish layout),
// anything else as it is.
QString keyCapOf(const QString& first, const QString& second)
{
    if (first.size() != 1 || !first.at(0).isLower())
        return first;
    if (second.size() == 1 && second.at(0).isUpper())
        return second;
    return first.toUpper();
}

} // namespace

std::optional<QString> keyCapInUse(quint8 virtualKey)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    const quint32 keycode = xkbFromVirtualKey(virtualKey);
    if (!connection || keycode == 0)
        return std::nullopt;
    static const bool hasXkb =
        xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                                    XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr)
        == 1;
    const int32_t device = hasXkb ? xkb_x11_get_core_keyboard_device_id(connection) : -1;
    if (device < 0)
        return std::nullopt;
    // Asked afresh each time, so the names follow the user switching layouts (a fraction of
    // a millisecond on a local server).
    const Context context(
        xkb_context_new(xkb_context_flags(XKB_CONTEXT_NO_DEFAULT_INCLUDES | XKB_CONTEXT_NO_ENVIRONMENT_NAMES)));
    const Keymap keymap(
        context ? xkb_x11_keymap_new_from_device(context.get(), connection, device, XKB_KEYMAP_COMPILE_NO_FLAGS)
                : nullptr);
    const State state(keymap ? xkb_x11_state_new_from_device(keymap.get(), connection, device) : nullptr);
    if (!state)
        return std::nullopt;
    const xkb_layout_index_t group = xkb_state_key_get_layout(state.get(), keycode);
    if (group == XKB_LAYOUT_INVALID)
        return std::nullopt;
    const auto atLevel = [&](xkb_level_index_t level) {
        const xkb_keysym_t* syms = nullptr;
        const int n = xkb_keymap_key_get_syms_by_level(keymap.get(), keycode, group, level, &syms);
        return n == 1 ? characterOf(syms[0]) : QString();
    };
    const QString cap = keyCapOf(atLevel(0), atLevel(1));
    if (cap.isEmpty())
        return std::nullopt;
    return cap;
}

#else

std::optional<QString> keyCapInUse(quint8)
{
    return std::nullopt;
}

#endif

} // namespace platform
