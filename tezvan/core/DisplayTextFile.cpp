#include "DisplayTextFile.h"

#include "SavedFile.h"

#include "platform/Windows1254.h"

namespace tezvan {

QByteArray displayTextBytes(const QStringList& visibleLines)
{
    QByteArray bytes;
    for (const QString& line : visibleLines) {
        bytes += platform::encodeWindows1254(line);
        bytes += "\r\n";
    }
    return bytes;
}

void writeDisplayTextFile(const QString& path, const QStringList& visibleLines)
{
    saveWholeFile(path, displayTextBytes(visibleLines));
}

} // namespace tezvan
