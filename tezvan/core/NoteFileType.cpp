#include "NoteFileType.h"

#include "desktop/DesktopIds.h"

#include <QDirIterator>
#include <QFile>

namespace tezvan {
namespace {

QByteArray resource(const QString& name)
{
    QFile file(QStringLiteral(":/desktop/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

platform::FileTypeHandler noteFileType()
{
    const QString id = QStringLiteral(TEZVAN_APPLICATION_ID);
    platform::FileTypeHandler type{
        QStringLiteral(".tnl"),
        QString::fromLatin1(kNoteFileTypeName),
        QStringLiteral(TEZVAN_NOTE_LIST_MIME_TYPE),
        resource(id + QStringLiteral(".xml")),
        id,
        resource(id + QStringLiteral(".desktop")),
        {},
    };
    // The icons, one folder for each size: icons/SIZE/ID.png.
    QDirIterator sizes(QStringLiteral(":/desktop/icons"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (sizes.hasNext()) {
        sizes.next();
        const QByteArray png = resource(QStringLiteral("icons/%1/%2.png").arg(sizes.fileName(), id));
        if (!png.isEmpty())
            type.icons.append({sizes.fileName().toInt(), png});
    }
    return type;
}

QString fileTypeRegisteredText()
{
    return QString::fromUtf8("\r\nİŞLEM TAMAMLANDI. \r\n\r\nSimgelerin Görüntülerinin Güncellenmesi için \r\n"
                             "Bilgisayarınızı Yeniden başlatmanız yeterli olacaktır.");
}

} // namespace tezvan
