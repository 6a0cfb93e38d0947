#pragma once
// Functions, aggregates, LIKE and the text collation that the translated Jet SQL
// needs, registered on a SQLite connection.

struct sqlite3;

namespace JetFunctions {

// The collation of text columns: case-insensitive, Unicode-aware, accent-sensitive,
// ordering as a Spanish reader expects.
inline constexpr const char* kCollation = "JETNOCASE";

// Registers everything on the connection; returns the SQLite result code.
int Register(sqlite3* db);

// Compares two UTF-8 texts as the collation does (<0, 0, >0).
int CompareText(const char* a, int lenA, const char* b, int lenB);

}  // namespace JetFunctions
