#pragma once
// Files a test writes and reads back, and texts given as UTF-8 literals.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <initializer_list>

namespace testing_support {

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The file's bytes; when it cannot be read, a marker no test writes, so that a failing
// comparison says so.
inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArrayLiteral("<unreadable>");
}

inline QStringList lines(std::initializer_list<const char*> utf8)
{
    QStringList out;
    for (const char* s : utf8)
        out.append(QString::fromUtf8(s));
    return out;
}

} // namespace testing_support
