#include "SavedFile.h"

#include "platform/CommandError.h"
#include "platform/WholeFile.h"

namespace tezvan {

void saveWholeFile(const QString& path, const QByteArray& bytes)
{
    const platform::WholeFileResult result = platform::writeWholeFile(path, bytes);
    if (result.ok())
        return;
    if (result.failure == platform::WholeFileResult::Failure::Create)
        throw platform::CommandError(QStringLiteral("Cannot create file %1").arg(path));
    QString message = QStringLiteral("Cannot write file %1").arg(path);
    if (!result.reason.isEmpty())
        message += QStringLiteral(": ") + result.reason;
    throw platform::CommandError(message);
}

} // namespace tezvan
