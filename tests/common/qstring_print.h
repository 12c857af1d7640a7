#pragma once

#include <QString>

#include <ostream>

// Lets failing expectations show texts instead of raw bytes.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
