// The file type in the user's classes of the registry (HKEY_CURRENT_USER\Software\Classes,
// which Windows merges into HKEY_CLASSES_ROOT): no administrator rights needed. The shell
// is then told that an association changed, so icons refresh without a restart.

#include "FileTypeRegistration.h"

#include <QDir>
#include <QSettings>

#include <shlobj.h>

namespace platform {

QList<DesktopTool> writeFileTypeRegistration(const FileTypeHandler& type, const QString& programPath,
                                             QStringList& problems)
{
    const QString path = QDir::toNativeSeparators(programPath);
    {
        QSettings classes(QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes"), QSettings::NativeFormat);
        // "Default" is a key's unnamed value.
        classes.setValue(type.extension + QStringLiteral("/Default"), type.typeName);
        classes.setValue(type.typeName + QStringLiteral("/Default"), type.typeName);
        classes.setValue(type.typeName + QStringLiteral("/DefaultIcon/Default"), path + QStringLiteral(",0"));
        classes.setValue(type.typeName + QStringLiteral("/Shell/Open/Command/Default"), execLineFor(programPath));
        classes.sync();
        if (classes.status() != QSettings::NoError)
            problems << QString::fromUtf8("\"%1\" dosya türü kayıt defterine yazılamadı.").arg(type.extension);
    }
    ::SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
    return {};
}

} // namespace platform
