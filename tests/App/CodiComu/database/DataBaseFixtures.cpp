#include "tests/App/CodiComu/database/DataBaseFixtures.h"

#include <QFile>

#include "App/CodiComu/database/DataBaseCatalog.h"
#include "platform/zul/TDataBaseZUL.h"

namespace DataBaseFixtures {

namespace {

QString Quote(const QString& text) {
  QString quoted = text;
  quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
  return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

}  // namespace

void MakeFile(const QString& path, const QString& sql) {
  QFile::remove(path);
  TDataBaseZUL db;
  db.Create(path);
  // A file with no table at all would be an empty file on disk.
  db.ExecuteNativeSQL(QStringLiteral("PRAGMA user_version = 1"));
  if (!sql.isEmpty()) db.ExecuteNativeSQL(QStringLiteral("BEGIN; ") + sql + QStringLiteral("; COMMIT;"));
}

void RunSql(const QString& path, const QString& sql) {
  TDataBaseZUL db;
  db.Open(path);
  db.ExecuteNativeSQL(sql);
}

QStringList Column(const QString& path, const QString& sql) {
  TDataBaseZUL db;
  db.Open(path, true);
  QStringList values;
  for (const QStringList& row : DataBaseCatalog::Rows(db, sql)) values << row.value(0);
  return values;
}

QString VersionRow(const QString& program, int version, const QString& master) {
  return QStringLiteral(
             "CREATE TABLE TZULVersionInfo (NombreAplicacion VARCHAR(255), NumeroVersion INTEGER, "
             "MasterFileName "
             "VARCHAR(255)); INSERT INTO TZULVersionInfo VALUES (%1, %2, %3);")
      .arg(Quote(program))
      .arg(version)
      .arg(Quote(master));
}

QString ImportRow(const QString& program, int version, const QString& fileName, const QString& prefix) {
  return QStringLiteral(
             "CREATE TABLE IF NOT EXISTS TZULImportVersions (NombreAplicacion VARCHAR(255), NumeroVersion "
             "INTEGER, "
             "NombreArchivo VARCHAR(255), PrefijoConsultas VARCHAR(255)); "
             "INSERT INTO TZULImportVersions VALUES (%1, %2, %3, %4);")
      .arg(Quote(program))
      .arg(version)
      .arg(Quote(fileName), Quote(prefix));
}

QString ImportQuery(const QString& name, const QString& statement) {
  return QStringLiteral(
             "CREATE TABLE IF NOT EXISTS TZULImportQueries (Nombre VARCHAR(255), Sentencia LONGTEXT); "
             "INSERT INTO TZULImportQueries VALUES (%1, %2);")
      .arg(Quote(name), Quote(statement));
}

}  // namespace DataBaseFixtures
