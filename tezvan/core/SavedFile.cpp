#include "SavedFile.h"

#include "platform/CommandError.h"

#include <QSaveFile>

namespace tezvan {

void saveWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw platform::CommandError(QStringLiteral("Cannot create file %1").arg(path));
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        // Without commit the temporary file is removed and the old file stays as it was.
        throw platform::CommandError(
            QStringLiteral("Cannot write file %1: %2").arg(path, file.errorString()));
    }
}

} // namespace tezvan
