#include "App/CodiComu/database/DataBaseCatalog.h"

#include <sqlite3.h>
#include <algorithm>
#include <memory>

#include "platform/zul/TDataBaseZUL.h"

namespace DataBaseCatalog {

namespace {

struct StatementDeleter {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

Statement Prepare(TDataBaseZUL& db, const QString& sql, const QStringList& args) {
  db.FinishReaders();
  sqlite3_stmt* raw = nullptr;
  const QByteArray text = sql.toUtf8();
  const int rc =
      sqlite3_prepare_v2(db.Handle(), text.constData(), static_cast<int>(text.size()), &raw, nullptr);
  Statement statement(raw);
  if (rc != SQLITE_OK) db.RaiseError(rc, sql);
  for (int i = 0; i < args.size(); ++i) {
    const QByteArray value = args[i].toUtf8();
    const int bound = sqlite3_bind_text(statement.get(), i + 1, value.constData(),
                                        static_cast<int>(value.size()), SQLITE_TRANSIENT);
    if (bound != SQLITE_OK) db.RaiseError(bound, sql);
  }
  return statement;
}

}  // namespace

std::vector<QStringList> Rows(TDataBaseZUL& db, const QString& sql, const QStringList& args) {
  Statement statement = Prepare(db, sql, args);
  std::vector<QStringList> rows;
  const int columns = sqlite3_column_count(statement.get());
  for (;;) {
    const int rc = sqlite3_step(statement.get());
    if (rc == SQLITE_DONE) break;
    if (rc != SQLITE_ROW) db.RaiseError(rc, sql);
    QStringList row;
    for (int c = 0; c < columns; ++c) {
      const auto* value = reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), c));
      row.append(value ? QString::fromUtf8(value, sqlite3_column_bytes(statement.get(), c)) : QString());
    }
    rows.push_back(row);
  }
  return rows;
}

void Execute(TDataBaseZUL& db, const QString& sql, const QStringList& args) {
  Statement statement = Prepare(db, sql, args);
  int rc;
  while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW) {
  }
  if (rc != SQLITE_DONE) db.RaiseError(rc, sql);
}

QStringList ObjectNames(TDataBaseZUL& db, const QString& type) {
  QStringList names;
  for (const QStringList& row :
       Rows(db,
            QStringLiteral(
                "SELECT name FROM sqlite_master WHERE type = ?1 AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'"),
            {type})) {
    names.append(row.value(0));
  }
  std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
    const int order = a.compare(b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
  });
  return names;
}

QStringList TableNames(TDataBaseZUL& db) { return ObjectNames(db, QStringLiteral("table")); }

bool HasTable(TDataBaseZUL& db, const QString& table) {
  return TableNames(db).contains(table, Qt::CaseInsensitive);
}

bool HasColumn(TDataBaseZUL& db, const QString& table, const QString& column) {
  for (const QStringList& row : Rows(db, QStringLiteral("SELECT name FROM pragma_table_info(?1)"), {table})) {
    if (row.value(0).compare(column, Qt::CaseInsensitive) == 0) return true;
  }
  return false;
}

QString QuoteName(const QString& name) {
  QString quoted = name;
  quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace DataBaseCatalog
