#pragma once
// Helpers of the schema tests: the expected columns (tests/data/schema_fields.txt)
// and raw looks into a database file, below the dataset layer.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <map>
#include <vector>

struct sqlite3;

// Table name -> column names, as listed in the fixture file.
std::map<QString, QStringList> ExpectedColumns();

struct ColumnInfo {
  QString name;
  QString type;
  bool notNull = false;
  QVariant defaultValue;  // SQL text of the default, null when none
  bool primaryKey = false;
};

std::vector<ColumnInfo> TableColumns(sqlite3* db, const QString& table);
QStringList UserTables(sqlite3* db);  // without sqlite_ internals
// First column of the first row; null variant when no row. Fails the test on error.
QVariant Scalar(sqlite3* db, const QString& sql);
// Runs a statement; returns false (and no test failure) when SQLite rejects it.
bool TryExec(sqlite3* db, const QString& sql);

// Checks that the database holds exactly the fixture's tables with exactly their
// columns, names compared with case.
void ExpectFixtureSchema(sqlite3* db);
