#pragma once
// The display text file (".txt"): the visible lines for reading, each followed by CR LF,
// in Windows-1254 so İ and Ş are single bytes. Written atomically; never read back.

#include <QByteArray>
#include <QStringList>

namespace tezvan {

// The bytes of a display text file.
QByteArray displayTextBytes(const QStringList& visibleLines);

// Writes it atomically. Throws platform::CommandError("Cannot create file <path>") when it
// cannot be created, and a message naming the file for any other write error.
void writeDisplayTextFile(const QString& path, const QStringList& visibleLines);

} // namespace tezvan
