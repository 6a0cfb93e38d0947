#pragma once
// One translated statement, prepared (through the connection's cache) and bound;
// gives the statement back to the cache when it goes out of scope.

#include <QByteArray>
#include <vector>

#include "platform/zul/dialect/JetTranslator.h"

class TDataBaseZUL;
struct sqlite3_stmt;

class TPreparedStatement {
public:
  TPreparedStatement(TDataBaseZUL& db, const SqliteStatement& statement);
  ~TPreparedStatement();
  TPreparedStatement(const TPreparedStatement&) = delete;
  TPreparedStatement& operator=(const TPreparedStatement&) = delete;

  // Advances; true when a row is available, false when done. Raises EDatabaseError.
  bool Step();
  sqlite3_stmt* Handle() const { return m_stmt; }
  // Runs to the end; returns the rows changed (0 for a query).
  int Run();

private:
  void Bind(const SqliteStatement& statement);

  TDataBaseZUL& m_db;
  QByteArray m_sql;
  sqlite3_stmt* m_stmt = nullptr;
  bool m_started = false;
  std::vector<QByteArray> m_buffers;  // bound texts and blobs live until the statement is given back
};
