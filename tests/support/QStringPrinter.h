#pragma once
// Failing expectations print texts as text, not as arrays of UTF-16 units.

#include <QString>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
