// The import statements of a master and their removal from a new database. The
// statements are rows of TZULImportQueries (see docs/DATABASE_VERSIONS.md).

#include <sqlite3.h>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/Progress.h"
#include "App/CodiComu/TProgressScope.h"
#include "App/CodiComu/database/AccessConnection.h"
#include "App/CodiComu/database/DataBaseCatalog.h"
#include "App/CodiComu/database/DataBaseVersions.h"
#include "platform/core/Exceptions.h"
#include "platform/zul/TDataBaseZUL.h"

namespace {

const QString kQueriesTable = QStringLiteral("TZULImportQueries");
const QString kVersionsTable = QStringLiteral("TZULImportVersions");
const QString kImportMark = QStringLiteral("CIMP");

struct ImportQuery {
  QString name;
  QString statement;
};

std::vector<ImportQuery> ReadQueries(TDataBaseZUL& db) {
  std::vector<ImportQuery> queries;
  if (!DataBaseCatalog::HasTable(db, kQueriesTable)) return queries;
  for (const QStringList& row :
       DataBaseCatalog::Rows(db, QStringLiteral("SELECT Nombre, Sentencia FROM TZULImportQueries"))) {
    if (row.value(0).trimmed().isEmpty()) continue;
    queries.push_back(ImportQuery{row.value(0).trimmed(), row.value(1)});
  }
  return queries;
}

// import_file('name'): the full path of the file `name` in the folder of the file the
// statements run on. A step file that is not there is an error, not a new empty file.
void ImportFileFunction(sqlite3_context* context, int, sqlite3_value** argv) {
  const auto* folder = static_cast<const QString*>(sqlite3_user_data(context));
  const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
  const QString name = text ? QFileInfo(QString::fromUtf8(text)).fileName() : QString();
  const QString path = QDir(*folder).filePath(name);
  if (name.isEmpty() || !QFileInfo(path).isFile()) {
    const QByteArray message =
        QString::fromUtf8("No se encuentra el archivo de traspaso \"%1\"").arg(path).toUtf8();
    sqlite3_result_error(context, message.constData(), static_cast<int>(message.size()));
    return;
  }
  const QByteArray result = path.toUtf8();
  sqlite3_result_text(context, result.constData(), static_cast<int>(result.size()), SQLITE_TRANSIENT);
}

void RegisterImportFile(TDataBaseZUL& db, const QString& folder) {
  auto* data = new QString(folder);
  const int rc =
      sqlite3_create_function_v2(db.Handle(), "import_file", 1, SQLITE_UTF8, data, ImportFileFunction,
                                 nullptr, nullptr, [](void* p) { delete static_cast<QString*>(p); });
  if (rc != SQLITE_OK) db.RaiseError(rc);
}

// Runs one import statement; what it attached is detached again, and a statement
// that leaves a transaction open is refused.
void RunStatement(TDataBaseZUL& db, const QString& statement) {
  db.ExecuteNativeSQL(statement);
  if (!sqlite3_get_autocommit(db.Handle())) {
    db.ExecuteNativeSQL(QStringLiteral("ROLLBACK"));
    throw EDatabaseError(QString::fromUtf8("La consulta de importación deja una transacción abierta"));
  }
  for (const QStringList& row :
       DataBaseCatalog::Rows(db, QStringLiteral("SELECT name FROM pragma_database_list"))) {
    const QString schema = row.value(0);
    if (schema == QLatin1String("main") || schema == QLatin1String("temp")) continue;
    db.ExecuteNativeSQL(QStringLiteral("DETACH DATABASE ") + DataBaseCatalog::QuoteName(schema));
  }
}

bool IsImportObject(const QString& name, const QString& prefix) {
  return name.startsWith(prefix, Qt::CaseInsensitive) ||
         name.left(4).compare(kImportMark, Qt::CaseInsensitive) == 0;
}

}  // namespace

int RunImportQueries(const QString& file, const QString& prefix) {
  TProgressScope progress(ccTranslate(1405), QStringLiteral("Preparando..."), false, 0, true);
  QString step;
  try {
    step = ccTranslate(1406);
    TDataBaseZUL db;
    ConnectAccessDataBase(db, file, false);

    step = ccTranslate(1407);
    std::vector<ImportQuery> queries = ReadQueries(db);
    const int count = static_cast<int>(queries.size());

    step = ccTranslateFmt(1408, {count});
    std::stable_sort(queries.begin(), queries.end(), [](const ImportQuery& a, const ImportQuery& b) {
      return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });

    // The statements reach the other files of the chain through import_file(),
    // resolved against this file's folder; the process's current folder is left alone.
    step = ccTranslate(1409);
    RegisterImportFile(db, QFileInfo(file).absolutePath());

    const QString wanted = prefix + kImportMark;
    int executed = 0;
    for (int i = 0; i < count; ++i) {
      SetProgressCount(QStringLiteral("Ejecutando consulta"), i, count);
      const ImportQuery& query = queries[static_cast<std::size_t>(i)];
      if (!query.name.startsWith(wanted, Qt::CaseInsensitive)) continue;
      step = ccTranslateFmt(1412, {query.name, i + 1, count});
      RunStatement(db, query.statement);
      ++executed;
    }
    return executed;
  } catch (const EAbort&) {
    throw;
  } catch (Exception& e) {
    e.SetMessage(ccTranslate(1415) + QStringLiteral("\nDataBase: \"") + file + QStringLiteral("\"\nERROR: ") +
                 step + QStringLiteral("\n\n") + e.Message());
    throw;
  }
}

void RemoveImportObjects(const QString& file) {
  TDataBaseZUL db;
  ConnectAccessDataBase(db, file, false);
  QStringList prefixes{kImportMark};
  const bool hasVersions = DataBaseCatalog::HasTable(db, kVersionsTable);
  if (hasVersions) {
    for (const QStringList& row : DataBaseCatalog::Rows(
             db, QStringLiteral("SELECT PrefijoConsultas FROM TZULImportVersions ORDER BY rowid"))) {
      const QString prefix = row.value(0).trimmed();
      if (!prefix.isEmpty()) prefixes.append(prefix);
    }
  }
  const bool hasQueries = DataBaseCatalog::HasTable(db, kQueriesTable);

  const int token = db.BeginTrans();
  try {
    for (const QString& prefix : prefixes) {
      // Stored queries first (views), then tables; the bookkeeping tables last.
      for (const QString& view : DataBaseCatalog::ObjectNames(db, QStringLiteral("view"))) {
        if (IsImportObject(view, prefix))
          db.ExecuteNativeSQL(QStringLiteral("DROP VIEW ") + DataBaseCatalog::QuoteName(view));
      }
      for (const QString& table : DataBaseCatalog::TableNames(db)) {
        if (table.compare(kVersionsTable, Qt::CaseInsensitive) == 0 ||
            table.compare(kQueriesTable, Qt::CaseInsensitive) == 0) {
          continue;
        }
        if (IsImportObject(table, prefix)) {
          db.ExecuteNativeSQL(QStringLiteral("DROP TABLE ") + DataBaseCatalog::QuoteName(table));
        }
      }
    }
    if (hasQueries)
      db.ExecuteNativeSQL(QStringLiteral("DROP TABLE ") + DataBaseCatalog::QuoteName(kQueriesTable));
    if (hasVersions)
      db.ExecuteNativeSQL(QStringLiteral("DROP TABLE ") + DataBaseCatalog::QuoteName(kVersionsTable));
    db.CommitTrans(token);
  } catch (...) {
    db.RollbackTrans(token);
    throw;
  }
}
