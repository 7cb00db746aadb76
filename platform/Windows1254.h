#pragma once
// Windows-1254, the system's Turkish single-byte code page, as both programs' files store
// text. Bytes the code page leaves undefined map to the control characters of the same
// number (as the system does), so any byte string survives decode + encode unchanged.
// Characters outside the code page encode as '?'.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace platform {

QString decodeWindows1254(QByteArrayView bytes);
QByteArray encodeWindows1254(QStringView text);

// Text lines as a Windows text file holds them: every line encoded, then CR LF (the last
// line too).
QByteArray windows1254Lines(const QStringList& lines);

} // namespace platform
