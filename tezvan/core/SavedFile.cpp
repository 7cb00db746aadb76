#include "SavedFile.h"

#include "platform/CommandError.h"

#include <QSaveFile>

namespace tezvan {

void saveWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw platform::CommandError(QStringLiteral("Cannot create file %1").arg(path));
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        // Without commit the temporary file is removed and the old file stays as it was.
        QString message = QStringLiteral("Cannot write file %1").arg(path);
        const QString reason = file.errorString();
        if (!reason.isEmpty() && reason != QStringLiteral("Unknown error"))
            message += QStringLiteral(": ") + reason;
        throw platform::CommandError(message);
    }
}

} // namespace tezvan
