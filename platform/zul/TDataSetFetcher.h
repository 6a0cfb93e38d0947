#pragma once
// The part of a dataset's result not read yet: the running statement, read row by
// row as the dataset moves on. The database makes it read everything before any
// write (see TDataBaseZUL::FinishReaders).

#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

#include "platform/zul/FieldType.h"

class TDataBaseZUL;
class TPreparedStatement;
struct SqliteStatement;
struct sqlite3_stmt;

class TDataSetFetcher {
public:
  using Row = std::vector<QVariant>;
  // Called for each row read, with the row.
  using Sink = std::function<void(Row&&)>;

  TDataSetFetcher(TDataBaseZUL& db, std::unique_ptr<TPreparedStatement> statement,
                  std::vector<TFieldType>* types, Sink sink);
  ~TDataSetFetcher();
  TDataSetFetcher(const TDataSetFetcher&) = delete;
  TDataSetFetcher& operator=(const TDataSetFetcher&) = delete;

  // Reads one more row; false at the end (the statement is then released).
  bool FetchOne();
  void FetchAll();
  bool Done() const { return !m_statement; }

  // Reads one column of the current statement row as the field type wants it.
  static QVariant ReadValue(sqlite3_stmt* stmt, int col, TFieldType type);

private:
  void Finish();

  TDataBaseZUL& m_db;
  std::unique_ptr<TPreparedStatement> m_statement;
  std::vector<TFieldType>* m_types;  // the dataset's; expressions take the type of their first value
  Sink m_sink;
};
