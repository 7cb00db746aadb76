#pragma once
// What the keyboard layout in use shows on a key's cap: ";" for the key right of L on a US
// layout, "Ş" on a Turkish Q one. Known where the window system tells the layout (X11, by
// XKB, in the layout group in force at the moment of asking); not known elsewhere (no X
// server: offscreen, Wayland; Windows). Key words name physical keys (VirtualKey.h) and
// stay the same whatever the layout; only their names follow it (KeyName.h).

#include <QString>
#include <QtGlobal>
#include <optional>

namespace platform {

// The cap of the key with this virtual-key code under the layout in use, a letter in upper
// case as caps are printed; nothing where the layout is not known or the key types no
// character there.
std::optional<QString> keyCapInUse(quint8 virtualKey);

} // namespace platform
