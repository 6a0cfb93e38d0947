#pragma once
// The framework's database object: one SQLite file, Jet SQL text in, datasets out.
// All Jet-to-SQLite translation goes through JetTranslator; values enter SQL text
// only through ConvertToSqlString and GetSQLDateTime.

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

#include "platform/zul/FieldType.h"

class QObject;
class TSQLDataSet;
class TStatementCache;
class TDataSetFetcher;
class TEngineRights;
struct sqlite3;

class TDataBaseZUL {
public:
  TDataBaseZUL();
  ~TDataBaseZUL();
  TDataBaseZUL(const TDataBaseZUL&) = delete;
  TDataBaseZUL& operator=(const TDataBaseZUL&) = delete;

  // Opens an existing file; raises EDatabaseError with a Spanish message when the
  // file is missing or not a database.
  void Open(const QString& fileName, bool readOnly = false);
  // Creates (or opens) a file for writing; used to build new databases.
  void Create(const QString& fileName);
  // Closes; an open transaction is rolled back.
  void Close();
  bool IsOpen() const { return m_db != nullptr; }
  bool IsReadOnly() const { return m_readOnly; }
  const QString& FileName() const { return m_fileName; }

  // Runs a Jet statement; returns the number of rows it changed.
  int ExecuteSQL(const QString& jetSql);
  // Runs SQLite text as it stands (schema building, pragmas); no translation.
  void ExecuteNativeSQL(const QString& sqliteSql);

  // A new dataset over a Jet query. The caller opens it, reads it and frees it.
  // The owner is the form the dataset serves (it does not take ownership).
  // flag: 1 = read-only result set, 0 = may later be edited.
  std::unique_ptr<TSQLDataSet> GetTSQLDataSet(const QString& jetSql, QObject* owner = nullptr, int flag = 1);
  // A dataset over a whole table.
  std::unique_ptr<TSQLDataSet> GetTDataSet(const QString& tableName, QObject* owner = nullptr, int flag = 1);

  // SQL literals.
  QString GetSQLDateTime(const QVariant& value) const;
  QString ConvertToSqlString(TFieldType fieldType, const QVariant& value) const;

  // Transactions: BeginTrans gives a token; nested begins become savepoints.
  // Commit or roll back with the token of the innermost open level; rolling back an
  // outer level undoes the inner levels with it.
  int BeginTrans();
  void CommitTrans(int token);
  void RollbackTrans(int token);
  int TransactionDepth() const { return static_cast<int>(m_tokens.size()); }
  bool InTransaction() const { return !m_tokens.empty(); }

  // The SQLite connection, for the layers that need it directly (authorizer,
  // benchmarks).
  sqlite3* Handle() const { return m_db; }
  // The SQLite text that a Jet statement becomes (for people: literals inline).
  static QString TranslateSQL(const QString& jetSql);

  // The rights of the person using the connection, enforced by the engine (nullptr:
  // every right). They are kept across Close and Open until replaced.
  void SetEngineRights(std::unique_ptr<TEngineRights> rights);
  const TEngineRights* EngineRights() const { return m_rights.get(); }

  // Raises EDatabaseError with a Spanish text for the connection's last error.
  [[noreturn]] void RaiseError(int code, const QString& sql = QString()) const;

  // Datasets still reading their result register here. Before anything writes (or a
  // rollback), they read the rest of their rows, so that no open read ever sees a
  // change half made, and rules may change the rows they are walking.
  void AddReader(TDataSetFetcher* reader);
  void RemoveReader(TDataSetFetcher* reader);
  void FinishReaders();

private:
  friend class TPreparedStatement;
  void OpenWithFlags(const QString& fileName, int flags, bool readOnly);
  void Exec(const char* sql);
  void RequireOpen() const;

  sqlite3* m_db = nullptr;
  QString m_fileName;
  bool m_readOnly = false;
  std::vector<int> m_tokens;
  int m_nextToken = 1;
  std::unique_ptr<TStatementCache> m_cache;
  std::vector<TDataSetFetcher*> m_readers;
  std::unique_ptr<TEngineRights> m_rights;
};
