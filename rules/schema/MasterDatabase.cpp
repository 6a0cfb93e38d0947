#include "rules/schema/MasterDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/core/Exceptions.h"
#include "platform/zul/FieldType.h"
#include "platform/zul/TDataBaseZUL.h"
#include "rules/schema/SchemaDefinition.h"

void CreateSchema(TDataBaseZUL& db) {
  const int token = db.BeginTrans();
  try {
    for (const QString& statement : SchemaDefinition::DdlStatements()) db.ExecuteNativeSQL(statement);
    db.CommitTrans(token);
  } catch (...) {
    db.RollbackTrans(token);
    throw;
  }
}

int EnsureSchemaIndexes(TDataBaseZUL& db) {
  if (!db.IsOpen() || db.IsReadOnly()) return 0;
  int attempted = 0;
  for (const TableDef& table : SchemaDefinition::Tables()) {
    for (const QString& statement : SchemaDefinition::CreateIndexStatements(table)) {
      ++attempted;
      // Each on its own: one that exists takes no lock, and a failed one leaves the
      // others made.
      try {
        db.ExecuteNativeSQL(statement);
      } catch (const Exception& e) {
        qWarning("%s: %s", qUtf8Printable(statement), e.what());
      }
    }
  }
  return attempted;
}

void WriteVersionInfo(TDataBaseZUL& db, const DatabaseVersion& version) {
  const QString insert =
      QStringLiteral(
          "INSERT INTO TZULVersionInfo (NombreAplicacion, NumeroVersion, MasterFileName) VALUES (%1, %2, %3)")
          .arg(db.ConvertToSqlString(TFieldType::ftString, version.appName),
               db.ConvertToSqlString(TFieldType::ftInteger, version.version),
               db.ConvertToSqlString(TFieldType::ftString, version.masterBaseName));
  const int token = db.BeginTrans();
  try {
    db.ExecuteSQL(QStringLiteral("DELETE FROM TZULVersionInfo"));
    db.ExecuteSQL(insert);
    db.CommitTrans(token);
  } catch (...) {
    db.RollbackTrans(token);
    throw;
  }
}

namespace {

void RemoveFile(const QString& path) {
  if (QFileInfo::exists(path) && !QFile::remove(path)) {
    throw EFileError(QStringLiteral("No se puede eliminar el archivo «%1»").arg(path));
  }
}

}  // namespace

void WriteMasterFile(const QString& path, const DatabaseVersion& version) {
  const QFileInfo target(path);
  if (!QDir().mkpath(target.absolutePath())) {
    throw EFileError(QStringLiteral("No se puede crear la carpeta «%1»").arg(target.absolutePath()));
  }
  const QString temporary = target.absoluteFilePath() + QStringLiteral(".tmp");
  RemoveFile(path);
  RemoveFile(temporary);
  try {
    TDataBaseZUL db;
    db.Create(temporary);
    CreateSchema(db);
    WriteVersionInfo(db, version);
    db.Close();
  } catch (...) {
    QFile::remove(temporary);
    throw;
  }
  if (!QFile::rename(temporary, path)) {
    QFile::remove(temporary);
    throw EFileError(QStringLiteral("No se puede renombrar «%1» como «%2»").arg(temporary, path));
  }
}
