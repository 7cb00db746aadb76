#pragma once
// Colours of the settings as text and back: a colour value (red in bits 0-7, green 8-15,
// blue 16-23; system colour n is 2147483648 + n) is written as its name where it has one
// ("clRed", "clBtnFace") and otherwise as "$" and eight upper-case hex digits. Drawing a
// system colour is the windows' business: here it is only a number.

#include <QString>
#include <QtGlobal>
#include <optional>

namespace tezvan {

constexpr quint32 kSystemColourBase = 2147483648u;

QString colourText(quint32 value);

// The value of a name (any letter case), a decimal number or "$" and hex digits; nothing
// for any other text.
std::optional<quint32> colourOfText(const QString& text);

// As colourOfText, but text that is neither a name nor a number ends the command
// (CommandError "'text' is not a valid integer value").
quint32 colourOfTextOrThrow(const QString& text);

// n for a system colour value 2147483648 + n (n 0..24); nothing for an RGB value.
std::optional<int> systemColourNumber(quint32 value);

} // namespace tezvan
