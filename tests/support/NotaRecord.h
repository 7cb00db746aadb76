#pragma once
// One 12-byte record of a ".nota" file, written by the test itself: the name's length byte
// (nameLength when given, to write a damaged one), the name in five bytes, the duration's
// length byte and the duration in five bytes, both padded with zero bytes.

#include <QByteArray>

namespace testing_support {

inline QByteArray notaRecord(const QByteArray& name, const QByteArray& duration, int nameLength = -1)
{
    QByteArray r;
    r.append(char(nameLength < 0 ? name.size() : nameLength));
    r.append(name.leftJustified(5, '\0', true));
    r.append(char(duration.size()));
    r.append(duration.leftJustified(5, '\0', true));
    return r;
}

} // namespace testing_support
