#include "WholeFile.h"

#include <QSaveFile>

#include <cerrno>

namespace platform {
namespace {

QString reasonOf(const QSaveFile& file)
{
    const QString reason = file.errorString();
    return reason == QStringLiteral("Unknown error") ? QString() : reason;
}

} // namespace

WholeFileResult writeWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    // Unbuffered, so that a write error (a full disk) reaches us before the commit renames a
    // cut file over the old one.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {WholeFileResult::Failure::Create, errno, reasonOf(file)};
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        // Without a commit the file beside it is removed and the old file stays as it was.
        return {WholeFileResult::Failure::Write, errno, reasonOf(file)};
    }
    return {};
}

} // namespace platform
