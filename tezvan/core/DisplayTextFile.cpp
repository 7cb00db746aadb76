#include "DisplayTextFile.h"

#include "SavedFile.h"

#include "platform/Windows1254.h"

namespace tezvan {

QByteArray displayTextBytes(const QStringList& visibleLines)
{
    return platform::windows1254Lines(visibleLines);
}

void writeDisplayTextFile(const QString& path, const QStringList& visibleLines)
{
    saveWholeFile(path, displayTextBytes(visibleLines));
}

} // namespace tezvan
