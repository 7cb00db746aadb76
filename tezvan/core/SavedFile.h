#pragma once
// Writing a whole file so that a failed save never destroys the file that was there
// (QSaveFile: written beside it, renamed over it at the end).

#include <QByteArray>
#include <QString>

namespace tezvan {

// Throws platform::CommandError: "Cannot create file <path>" when it cannot be created,
// "Cannot write file <path>" (with the reason when known) when writing or replacing fails.
void saveWholeFile(const QString& path, const QByteArray& bytes);

} // namespace tezvan
