#include "InstalledSamples.h"

#include <QDir>

namespace tezvan2 {

QString installedSampleFolder(const QString& programFolder)
{
    // The path from the program's folder to the samples, as the install rules lay them out.
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(TEZVAN2_SAMPLES_FROM_PROGRAM)));
}

} // namespace tezvan2
