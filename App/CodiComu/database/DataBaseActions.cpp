#include "App/CodiComu/database/DataBaseActions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/database/DataBaseVersions.h"
#include "App/CodiComu/database/IDataBaseSession.h"
#include "App/CodiComu/database/LocalFile.h"
#include "App/CodiComu/database/TDataBaseFiles.h"
#include "App/CodiComu/database/TZULDataBases.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/zul/TDataBaseZUL.h"

namespace {

QString Line(int message, const QString& detail) { return ccTranslate(message) + QLatin1Char('\n') + detail; }

// A copy of an installed master keeps the master's read-only mode; a company database
// must be writable by its owner.
void MakeWritable(const QString& file) {
  QFile::setPermissions(file, QFile::permissions(file) | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
}

// Runs the steps after a new file was copied; the copy goes again when one of them
// fails, so that trying again does not stumble on a half-made database.
template <typename Steps>
int WithNewFile(const QString& file, Steps steps) {
  try {
    return steps();
  } catch (...) {
    QFile::remove(file);
    throw;
  }
}

int NewFromMaster(TZULDataBases& list, const TDataBaseFiles& files, TZULDataBase database) {
  const QString source = files.MasterDataBaseFileName(files.DataBaseVersion);
  const QString destination = database.Archivo;
  if (!QFileInfo::exists(source)) throw Exception(Line(1723, source));
  if (QFileInfo::exists(destination)) throw Exception(Line(1724, destination));
  const QString folder = QFileInfo(destination).absolutePath();
  if (!QDir().mkpath(folder)) throw Exception(Line(1725, folder));
  if (!QFile::copy(source, destination)) throw Exception(ccTranslateFmt(1726, {source, destination}));
  return WithNewFile(destination, [&] {
    MakeWritable(destination);
    RemoveImportObjects(destination);
    database.Version = -1;
    return list.AddDataBase(database);
  });
}

int Duplicate(TZULDataBases& list, const TZULDataBase& original, TZULDataBase database) {
  QDir().mkpath(QFileInfo(database.Archivo).absolutePath());
  // QFile::copy never overwrites an existing file.
  if (original.Archivo.isEmpty() || database.Archivo.isEmpty() ||
      !QFile::copy(original.Archivo, database.Archivo)) {
    throw Exception(ccTranslate(1727));
  }
  return WithNewFile(database.Archivo, [&] {
    MakeWritable(database.Archivo);
    database.Version = -1;
    return list.AddDataBase(database);
  });
}

int Import(TZULDataBases& list, const TDataBaseFiles& files, const TZULDataBase& original,
           TZULDataBase database) {
  ImportDataBase(files, original.Archivo, database.Archivo);
  return WithNewFile(database.Archivo, [&] {
    RemoveImportObjects(database.Archivo);
    database.Version = -1;
    return list.AddDataBase(database);
  });
}

int Link(TZULDataBases& list, const TDataBaseFiles& files, TZULDataBase database, IDataBaseSession& session) {
  // Older and newer files may be listed; a file of another program may not.
  CheckDataBaseVersion(files, database.Archivo, files.DataBaseVersion, true, true);
  database.Version = -1;
  session.CheckDataBaseAdministrator(database, QStringLiteral("Asignar la base de datos"));
  return list.AddDataBase(database);
}

void DeleteDataBaseFile(TZULDataBases& list, int index, const TZULDataBase& original) {
  const QString file = original.Archivo;
  if (!IsLocalFile(file)) {
    Dialogs::Current().Error(Dialogs::AppTitle(), ccTranslateFmt(1728, {file}));
    Abort();
  }
  if (Dialogs::Ask(ccTranslateFmt(1729, {file}), TDialogIcon::Warning, dbYes | dbNo, dbNo) != dbYes) Abort();
  if (file.isEmpty() || !QFileInfo(file).isFile()) throw Exception(ccTranslateFmt(1730, {file}));
  // This system would unlink a file that someone else has open and their work would
  // vanish with it: the deletion takes the database's exclusive lock first. A file that
  // does not open as a database has nobody working in it.
  TDataBaseZUL lock;
  try {
    lock.Open(file);
  } catch (const EDatabaseError&) {
  }
  if (lock.IsOpen()) {
    try {
      lock.ExecuteNativeSQL(QStringLiteral("PRAGMA busy_timeout = 0"));
      lock.ExecuteNativeSQL(QStringLiteral("BEGIN EXCLUSIVE"));
    } catch (const EDatabaseError&) {
      throw Exception(ccTranslateFmt(1731, {file}));
    }
  }
  if (!QFile::remove(file)) throw Exception(ccTranslateFmt(1731, {file}));
  lock.Close();
  // The engine's side files belong to the deleted database: a journal left behind would be
  // played back into the next database created under the same name.
  for (const char* suffix : {"-journal", "-wal", "-shm"}) QFile::remove(file + QLatin1String(suffix));
  list.DeleteDataBase(index);
}

}  // namespace

int ApplyDataBaseAction(TZULDataBases& list, const TDataBaseFiles& files, int index,
                        const TZULDataBase& original, TZULDataBase newDataBase, TEditAction action,
                        IDataBaseSession& session) {
  switch (action) {
    case TEditAction::NewEmpty:
      return NewFromMaster(list, files, std::move(newDataBase));
    case TEditAction::Duplicate:
      return Duplicate(list, original, std::move(newDataBase));
    case TEditAction::Import:
      return Import(list, files, original, std::move(newDataBase));
    case TEditAction::Link:
      return Link(list, files, std::move(newDataBase), session);
    case TEditAction::Remove:
      list.DeleteDataBase(index);
      return -1;
    case TEditAction::DeleteFile:
      DeleteDataBaseFile(list, index, original);
      return -1;
    case TEditAction::Modify:
      newDataBase.Version = -1;
      list.WriteDataBaseAt(index, newDataBase);
      return index;
    case TEditAction::None:
    case TEditAction::Information:
      break;
  }
  throw Exception(QString::fromUtf8("Operación no soportada"));
}
