#pragma once
// Prepared statements kept by their SQLite text. Translated Jet statements carry
// their literals as parameters, so the same statement shape reuses one prepared
// statement (the insert loop of an invoice run prepares once).

#include <QByteArray>
#include <QHash>
#include <list>

struct sqlite3;
struct sqlite3_stmt;

class TStatementCache {
public:
  explicit TStatementCache(int capacity = 64);
  ~TStatementCache();
  TStatementCache(const TStatementCache&) = delete;
  TStatementCache& operator=(const TStatementCache&) = delete;

  // A statement for the text, taken out of the cache (or nullptr when none is kept).
  sqlite3_stmt* Take(const QByteArray& sql);
  // Gives a statement back after use; it is reset and its bindings cleared.
  void Give(const QByteArray& sql, sqlite3_stmt* stmt);
  // Finalizes every kept statement (before closing the connection).
  void Clear();

private:
  struct Item {
    QByteArray sql;
    sqlite3_stmt* stmt;
  };
  int m_capacity;
  std::list<Item> m_items;  // most recently given first
  QMultiHash<QByteArray, std::list<Item>::iterator> m_index;
};
