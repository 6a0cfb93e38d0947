#include "platform/zul/dialect/JetFunctions.h"

#include <QString>
#include <sqlite3.h>

namespace JetFunctions {

int CompareText(const char* a, int lenA, const char* b, int lenB) {
  return QString::fromUtf8(a, lenA).compare(QString::fromUtf8(b, lenB), Qt::CaseInsensitive);
}

static int Collate(void*, int lenA, const void* a, int lenB, const void* b) {
  return CompareText(static_cast<const char*>(a), lenA, static_cast<const char*>(b), lenB);
}

int Register(sqlite3* db) {
  return sqlite3_create_collation(db, kCollation, SQLITE_UTF8, nullptr, &Collate);
}

}  // namespace JetFunctions
