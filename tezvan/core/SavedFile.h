#pragma once
// A whole file of this program's, written through the platform's whole-file writer, with the
// program's own messages for a failure.

#include <QByteArray>
#include <QString>

namespace tezvan {

// Throws platform::CommandError: "Cannot create file <path>" when it cannot be created,
// "Cannot write file <path>" (with the reason when known) when writing or replacing fails.
void saveWholeFile(const QString& path, const QByteArray& bytes);

} // namespace tezvan
