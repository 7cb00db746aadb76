#pragma once
// Windows-1254 (Turkish) single-byte text, as the note file stores it. Characters the
// code page lacks are written as '?'.

#include <QByteArray>
#include <QString>

namespace tezvan2 {

QByteArray toCodepage1254(const QString& text);
QString fromCodepage1254(const QByteArray& bytes);

} // namespace tezvan2
