#include "tests/rules/schema/SchemaFixture.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <QFile>
#include <QSet>

#include "tests/support/TempDir.h"

std::map<QString, QStringList> ExpectedColumns() {
  std::map<QString, QStringList> tables;
  QFile file(TestDataDir() + QStringLiteral("/schema_fields.txt"));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    ADD_FAILURE() << "cannot read " << file.fileName().toStdString();
    return tables;
  }
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0) {
      ADD_FAILURE() << "bad fixture line: " << line.toStdString();
      continue;
    }
    tables[line.left(colon).trimmed()] = line.mid(colon + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  }
  return tables;
}

std::vector<ColumnInfo> TableColumns(sqlite3* db, const QString& table) {
  std::vector<ColumnInfo> columns;
  sqlite3_stmt* stmt = nullptr;
  const QByteArray sql = QStringLiteral("PRAGMA table_info(%1)").arg(table).toUtf8();
  if (sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) != SQLITE_OK) {
    ADD_FAILURE() << sqlite3_errmsg(db);
    return columns;
  }
  const auto text = [&](int column) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)));
  };
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    ColumnInfo info;
    info.name = text(1);
    info.type = text(2);
    info.notNull = sqlite3_column_int(stmt, 3) != 0;
    if (sqlite3_column_type(stmt, 4) != SQLITE_NULL) info.defaultValue = text(4);
    info.primaryKey = sqlite3_column_int(stmt, 5) != 0;
    columns.push_back(info);
  }
  sqlite3_finalize(stmt);
  return columns;
}

QStringList UserTables(sqlite3* db) {
  QStringList names;
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(
      db, "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'", -1,
      &stmt, nullptr);
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    names << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
  }
  sqlite3_finalize(stmt);
  return names;
}

QVariant Scalar(sqlite3* db, const QString& sql) {
  sqlite3_stmt* stmt = nullptr;
  const QByteArray utf8 = sql.toUtf8();
  if (sqlite3_prepare_v2(db, utf8.constData(), -1, &stmt, nullptr) != SQLITE_OK) {
    ADD_FAILURE() << sqlite3_errmsg(db) << " in " << utf8.constData();
    return {};
  }
  QVariant value;
  if (sqlite3_step(stmt) == SQLITE_ROW) {
    switch (sqlite3_column_type(stmt, 0)) {
      case SQLITE_INTEGER:
        value = sqlite3_column_int64(stmt, 0);
        break;
      case SQLITE_FLOAT:
        value = sqlite3_column_double(stmt, 0);
        break;
      case SQLITE_TEXT:
        value = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        break;
      default:
        break;
    }
  }
  sqlite3_finalize(stmt);
  return value;
}

bool TryExec(sqlite3* db, const QString& sql) {
  return sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

void ExpectFixtureSchema(sqlite3* db) {
  const std::map<QString, QStringList> expected = ExpectedColumns();
  ASSERT_FALSE(expected.empty());
  QStringList tables = UserTables(db);
  QStringList expectedTables;
  for (const auto& [table, columns] : expected) expectedTables << table;
  tables.sort();
  expectedTables.sort();
  EXPECT_EQ(tables.join(QLatin1Char(' ')).toStdString(), expectedTables.join(QLatin1Char(' ')).toStdString());
  for (const auto& [table, columns] : expected) {
    QStringList actual;
    for (const ColumnInfo& column : TableColumns(db, table)) actual << column.name;
    QStringList wanted = columns;
    actual.sort();
    wanted.sort();
    EXPECT_EQ(actual.join(QLatin1Char(' ')).toStdString(), wanted.join(QLatin1Char(' ')).toStdString())
        << table.toStdString();
  }
}
