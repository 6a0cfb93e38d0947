#pragma once
// The rights of the person working on a connection, enforced by SQLite itself (its
// authorizer), so that no statement - a rule's, a dataset's or raw SQL - can do what
// the person may not do. Statements are checked while they are compiled; a refused
// one fails with a Spanish text naming the table (LastDenial).
//
// What is checked, on the tables of the main database (names without regard to case):
// - reading a column needs "view"; INSERT "add"; UPDATE "modify"; DELETE "delete";
// - a read-only connection writes no table at all;
// - the structure of a table with any right missing, or of a protected table, cannot
//   change (DROP, ALTER, indexes, triggers);
// - while any right is restricted, no lasting trigger can be created (it would later
//   run with other people's rights) and no other file attached (VACUUM INTO copies
//   tables without reading them through the checks);
// - "PRAGMA writable_schema" is always refused.
// Tables not listed keep every right; the engine's own tables (sqlite_*) and the
// temporary objects of the connection are always usable; tables kept readable stay
// readable whatever the list says. Protected rows (a prefix of a text column) are
// kept by temporary triggers that the connection cannot drop.

#include <QHash>
#include <QString>
#include <vector>

struct sqlite3;

class TEngineRights {
public:
  struct TRights {
    bool view = true;
    bool add = true;
    bool modify = true;
    bool remove = true;
    bool Full() const { return view && add && modify && remove; }
  };

  void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
  bool ReadOnly() const { return m_readOnly; }

  void SetTableRights(const QString& table, const TRights& rights);
  TRights RightsOf(const QString& table) const;
  // True when some listed table lacks a right, or the connection is read-only.
  bool HasRestrictions() const;

  void KeepReadable(const QString& table);
  void ProtectTable(const QString& table);
  // Rows of `table` whose `column` begins with `prefix` (without regard to case)
  // cannot be inserted, changed or deleted; `message` is the error the person reads.
  void ProtectRows(const QString& table, const QString& column, const QString& prefix,
                   const QString& message);

  // The text of the last refused statement ("" when none was refused).
  const QString& LastDenial() const { return m_lastDenial; }

  // Installs the checks on an open connection (the guard triggers first, then the
  // authorizer), and removes them.
  void Install(sqlite3* db);
  static void Uninstall(sqlite3* db);

private:
  struct TRowGuard {
    QString table;
    QString column;
    QString prefix;
    QString message;
  };
  static int Authorize(void* self, int action, const char* a1, const char* a2, const char* dbName,
                       const char* trigger);
  int Check(int action, const QString& a1, const QString& a2, const QString& dbName);
  int Deny(const QString& text);
  bool IsProtectedTable(const QString& table) const;
  void CreateGuards(sqlite3* db);

  bool m_readOnly = false;
  QHash<QString, TRights> m_tables;  // by upper-case name
  QHash<QString, bool> m_readable;
  QHash<QString, bool> m_protected;
  std::vector<TRowGuard> m_guards;
  QString m_lastDenial;
};
