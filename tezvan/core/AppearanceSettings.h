#pragma once
// The settings that survive between runs: seven colours, the fixed step and the zoom level,
// stored as texts under "TezvanAyar" in the user's own settings (an INI file in the user's
// configuration folder on Linux, HKEY_CURRENT_USER\SOFTWARE\TezvanAyar on Windows).
// What they are applied to is the window's business; here they are read, judged and written.

#include "NoteEdits.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace tezvan {

// The seven colours, in the order they are stored.
enum class ColourSetting { Frame, Message, Background, ButtonText, Button, List, ListText };
constexpr int kColourSettingCount = 7;

// The scheme "Varsayılan Renk Ayarları" restores, in the order it is applied.
struct SchemeColour {
    ColourSetting which;
    quint32 value;
};
inline constexpr SchemeColour kDefaultColourScheme[] = {
    {ColourSetting::Background, 12767697}, {ColourSetting::Frame, 16744448}, {ColourSetting::Message, 12436934},
    {ColourSetting::List, 12436934},       {ColourSetting::ListText, 0},     {ColourSetting::Button, 12767697},
    {ColourSetting::ButtonText, 10841658},
};
constexpr quint32 defaultColour(ColourSetting which)
{
    for (const SchemeColour& c : kDefaultColourScheme)
        if (c.which == which)
            return c.value;
    return 0;
}

// The stored name of a colour ("kc", "ir", "zr", "by", "bz", "lz", "ly").
QString settingName(ColourSetting c);

// What a run stores at its close.
struct AppearanceRecord {
    std::array<quint32, kColourSettingCount> colours{}; // indexed by ColourSetting
    int step = kDefaultStep;
    int zoomLevel = 0;
};

// What a start applies. Colours come in the order they are applied, window first, buttons
// last; a colour text that is no colour stops them there, and error says why.
struct LoadedAppearance {
    int step = kDefaultStep;
    int zoomLevel = 0;
    std::vector<std::pair<ColourSetting, quint32>> colours;
    QString error;
};

class AppearanceStore {
public:
    static QString key() { return QStringLiteral("TezvanAyar"); }

    // Reads the nine values; missing ones read as empty text. A value stored as anything
    // but text (an INI list, for one) fails the whole read: CommandError, nothing applied.
    LoadedAppearance load() const;

    // Writes the nine values at once. False when the store could not be written.
    bool save(const AppearanceRecord& record) const;

    // Where the settings live, for the error box.
    QString location() const;
};

} // namespace tezvan
