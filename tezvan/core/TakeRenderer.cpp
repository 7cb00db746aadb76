#include "TakeRenderer.h"

#include "platform/CommandError.h"

namespace tezvan {

QByteArray renderTake(const QStringList&, const QByteArray&, int)
{
    throw platform::CommandError(QStringLiteral("Rendering is not available yet"));
}

QByteArray renderTake(const QStringList&, int)
{
    throw platform::CommandError(QStringLiteral("Rendering is not available yet"));
}

int renderCommand(const QString&, const QString&)
{
    return 3;
}

} // namespace tezvan
