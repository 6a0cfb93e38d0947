#pragma once
// Readable failure messages for Qt values in these tests.

#include <QString>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
