#pragma once
// The Turkish single-byte code page of tezvan's text files. Bytes the code page leaves
// undefined map to the control characters of the same number, so any byte string
// survives decode + encode unchanged. Characters outside the code page encode as '?'.

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace tezvan {

QString decodeWindows1254(QByteArrayView bytes);
QByteArray encodeWindows1254(QStringView text);

} // namespace tezvan
