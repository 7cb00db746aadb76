#pragma once
// Writing a whole file so that a failed write never destroys the file that was there: it is
// written beside the old one and renamed over it at the end (QSaveFile). Only where the folder
// takes no new file but the file itself may be written is it written in place, since that is
// the one way such a file can be saved at all. Every writer of the programs and tools comes
// here; each phrases its own messages from the result.

#include <QByteArray>
#include <QString>

namespace platform {

struct WholeFileResult {
    enum class Failure { None, Create, Write };
    Failure failure = Failure::None;
    int error = 0;  // the system's error number of the failing step, 0 where none was set
    QString reason; // the system's words for it, empty where it gave none

    bool ok() const { return failure == Failure::None; }
};

WholeFileResult writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace platform
