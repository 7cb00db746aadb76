#pragma once
// The main window's design colours and fonts, and the kind of window its own windows are.
// The fonts are the nearest ones installed, at the design pixel heights.

#include "tezvan/core/AppearanceSettings.h"

#include <QColor>
#include <QFont>

class QWidget;

namespace tezvan::look {

constexpr quint32 kFrame = 16749886; // window frame and caption bar
// `Kontroller` and the note buttons, and the buttons' captions: as the default scheme has them
constexpr quint32 kControls = defaultColour(ColourSetting::Background);
constexpr quint32 kNoteText = defaultColour(ColourSetting::ButtonText);
constexpr quint32 kTransportPanel = 8623776;  // `Panel3`
constexpr quint32 kTransport = 14805739;      // transport buttons
constexpr quint32 kTransportText = 16744576;  // their captions
constexpr quint32 kTransportHover = 16711680; // their captions under the mouse
constexpr quint32 kList = 13154717;           // `ListBox1`
// The caption bars of the application's windows while it is active (the default scheme's
// frame colour) and while another program's window is.
constexpr quint32 kCaptionActive = defaultColour(ColourSetting::Frame);
constexpr quint32 kCaptionInactive = 8421504;

// The help and programmer's windows: windows of their own, without the system's frame, that
// belong to the main window. A dialog is transient for its parent, so the window manager
// minimises and restores them with the main window: the program goes and comes back whole.
inline constexpr Qt::WindowFlags kOwnedWindow = Qt::Dialog | Qt::FramelessWindowHint;

QFont sansSerif(int pixels, bool bold = false); // "MS Sans Serif" or nearest
QFont arial(int pixels, bool bold = false);     // "Arial" or nearest
// "MS Sans Serif" where it exists; elsewhere a narrow face, so that the visible list's
// seven columns hold a display name as the narrow original face did.
QFont listFont(int pixels);

void paintBackground(QWidget* w, const QColor& c); // a filled background of that colour
void setTextColour(QWidget* w, const QColor& c);   // its text, in labels, boxes and buttons alike
void centreOnScreen(QWidget* window);              // centred on its screen's free area
QFont tahoma(int pixels, bool bold = false);       // "Tahoma" or nearest

} // namespace tezvan::look
