// Conversion of a database of an earlier version: the source and the masters of the
// chain are copied into the import folder, the import statements of each step run
// from the oldest to the newest, and the target copy becomes the new database.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>
#include <vector>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/Progress.h"
#include "App/CodiComu/TProgressScope.h"
#include "App/CodiComu/database/AccessConnection.h"
#include "App/CodiComu/database/DataBaseCatalog.h"
#include "App/CodiComu/database/DataBaseVersions.h"
#include "App/CodiComu/database/TDataBaseFiles.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/zul/TDataBaseZUL.h"

namespace {

// Longest walk back from the target to the source's master.
constexpr int kMaxChainPasses = 21;

// One step of a conversion chain.
struct TDatosArchivoTraspaso {
  QString Name;
  int Version = 0;
  QString File;
  QString Prefix;
};

struct ImportRow {
  QString FileName;  // NombreArchivo
  QString Prefix;    // PrefijoConsultas
  int Version = 0;   // NumeroVersion
};

// "ZULLumaV2.MDB" -> "ZULLumaV2": the name up to the first point.
QString BaseName(const QString& fileName) {
  // A name written on another system may carry a folder with either separator.
  const QString name = fileName.mid(
      std::max(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\'))) + 1);
  const qsizetype dot = name.indexOf(QLatin1Char('.'));
  return dot < 0 ? name : name.left(dot);
}

// The row of `program` in the file's TZULImportVersions (1438 without the table).
std::optional<ImportRow> FindImportRow(const QString& file, const QString& program) {
  TDataBaseZUL db;
  ConnectAccessDataBase(db, file, true);
  if (!DataBaseCatalog::HasTable(db, QStringLiteral("TZULImportVersions"))) {
    throw EDatabaseError(ccTranslate(1438));
  }
  for (const QStringList& row : DataBaseCatalog::Rows(
           db, QStringLiteral("SELECT NombreAplicacion, NumeroVersion, NombreArchivo, PrefijoConsultas "
                              "FROM TZULImportVersions ORDER BY rowid"))) {
    if (row.value(0).trimmed().compare(program.trimmed(), Qt::CaseInsensitive) == 0) {
      return ImportRow{row.value(2).trimmed(), row.value(3).trimmed(), row.value(1).toInt()};
    }
  }
  return std::nullopt;
}

// The files copied into the import folder; all of them go at the end.
class TImportCopies {
public:
  explicit TImportCopies(QString folder) : m_folder(std::move(folder)) {}

  const QString& Folder() const { return m_folder; }

  // Copies `from` into the folder as `name` (over a leftover of an earlier run).
  QString Copy(const QString& from, const QString& name) {
    const QString target = QDir(m_folder).filePath(name);
    for (const QString& taken : m_files) {
      if (taken.compare(target, Qt::CaseInsensitive) == 0) {
        throw EFileError(
            QString::fromUtf8(
                "El archivo de traspaso %1 coincide con otro archivo de la cadena de importación\n"
                "OPERACION ABORTADA")
                .arg(name));
      }
    }
    m_files.append(target);
    if ((QFileInfo::exists(target) && !QFile::remove(target)) || !QFile::copy(from, target)) {
      throw EFileError(ccTranslateFmt(1428, {from, m_folder}));
    }
    // Installed masters may be read-only; the copy is written by the import.
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return target;
  }

  // Removes every copy; returns the messages of those that could not be removed.
  QString RemoveAll() {
    QStringList failures;
    for (const QString& file : m_files) {
      if (QFileInfo::exists(file) && !QFile::remove(file)) {
        failures.append(ccTranslateFmt(1431, {QFileInfo(file).fileName(), m_folder}));
      }
    }
    m_files.clear();
    QDir().rmdir(m_folder);  // only when empty: other files are not ours
    return failures.join(QLatin1Char('\n'));
  }

private:
  QString m_folder;
  QStringList m_files;
};

[[noreturn]] void RaiseBrokenChain(const TDataBaseVersionInfo& source, const QString& detail) {
  throw EDatabaseError(
      QString::fromUtf8(
          "La cadena de archivos para importar datos del programa %1 versión %2 no llega al archivo "
          "de origen (%3): %4\nOPERACION ABORTADA")
          .arg(source.Name)
          .arg(source.Version)
          .arg(source.MasterFileName, detail));
}

// Copies the files, runs the statements and writes the destination; returns the
// number of statements run.
int RunImport(const TDataBaseFiles& files, const QString& source, const QString& destination,
              TImportCopies& copies) {
  const QString targetName = QFileInfo(destination).completeBaseName() + QStringLiteral(".MDB");
  if (QFileInfo::exists(destination)) {
    // Refused before any work: the destination is never overwritten.
    throw EFileError(ccTranslateFmt(1430, {copies.Folder(), targetName, destination}));
  }

  TProgressScope progress(QStringLiteral("Copiando archivos de traspaso"),
                          QStringLiteral("Copiando archivos..."), false, 0, true);
  const TDataBaseVersionInfo sourceInfo = ReadVersionInfo(files, source, true);
  if (sourceInfo.MasterFileName.isEmpty()) throw EDatabaseError(ccTranslateFmt(1439, {sourceInfo.Name}));
  const QString sourceCopy = copies.Copy(source, sourceInfo.MasterFileName + QStringLiteral(".MDB"));

  SetProgress(QStringLiteral("Copiando archivos al directorio temporal"), 10);
  const QString master = files.MasterDataBaseFileName(files.DataBaseVersion);
  if (!QFileInfo(master).isFile()) throw EFileError(ccTranslateFmt(1429, {master}));
  const QString targetCopy = copies.Copy(master, targetName);
  const TDataBaseVersionInfo targetInfo = ReadVersionInfo(files, targetCopy, false);

  std::optional<ImportRow> row = FindImportRow(targetCopy, sourceInfo.Name);
  if (!row) {
    throw EDatabaseError(ccTranslateFmt(1440, {targetCopy, sourceInfo.Name, sourceInfo.Version}));
  }
  if (row->Version < sourceInfo.Version) {
    throw EDatabaseError(ccTranslateFmt(1422, {sourceInfo.Name, sourceInfo.Version, row->Version}));
  }
  std::vector<TDatosArchivoTraspaso> steps{{targetInfo.Name, targetInfo.Version, targetCopy, row->Prefix}};

  // Walk back from the target to the source's master through the intermediate masters.
  const QString sourceBase = BaseName(sourceInfo.MasterFileName);
  QStringList visited;  // a name shared with the target is caught by the copy itself
  QString last = targetCopy;
  bool complete = false;
  for (int pass = 0; pass < kMaxChainPasses && !complete; ++pass) {
    if (!row || row->FileName.isEmpty()) {
      throw EDatabaseError(ccTranslateFmt(1440, {last, sourceInfo.Name, sourceInfo.Version}));
    }
    const QString base = BaseName(row->FileName);
    if (base.compare(sourceBase, Qt::CaseInsensitive) == 0) {
      complete = true;
      break;
    }
    if (visited.contains(base, Qt::CaseInsensitive)) {
      RaiseBrokenChain(sourceInfo,
                       QString::fromUtf8("el archivo %1 vuelve a aparecer en la cadena").arg(base));
    }
    visited.append(base);
    const QString intermediate = QDir(files.MastersFolder).filePath(base + QStringLiteral(".MMDB"));
    if (!QFileInfo(intermediate).isFile()) throw EFileError(ccTranslateFmt(1441, {intermediate}));
    last = copies.Copy(intermediate, base + QStringLiteral(".MDB"));
    row = FindImportRow(last, sourceInfo.Name);
    const TDataBaseVersionInfo stepInfo = ReadVersionInfo(files, last, false);
    steps.push_back({stepInfo.Name, stepInfo.Version, last, row ? row->Prefix : QString()});
  }
  // A chain longer than the walk allows would convert with steps missing.
  if (!complete) {
    RaiseBrokenChain(sourceInfo,
                     QString::fromUtf8("faltan pasos después de %1 archivos").arg(kMaxChainPasses));
  }
  steps.push_back({sourceInfo.Name, sourceInfo.Version, sourceCopy, QString()});

  SetProgress(QStringLiteral("Ejecutando consultas de importación"), 50);
  int executed = 0;
  for (auto step = steps.rbegin() + 1; step != steps.rend(); ++step) {
    executed += RunImportQueries(step->File, step->Prefix);
  }

  SetProgress(QStringLiteral("Moviendo archivos"), 90);
  // QFile::copy never overwrites and leaves nothing behind when it fails.
  if (!QFile::copy(targetCopy, destination)) {
    throw EFileError(ccTranslateFmt(1430, {copies.Folder(), targetName, destination}));
  }
  return executed;
}

}  // namespace

void ImportDataBase(const TDataBaseFiles& files, const QString& source, const QString& destination) {
  const QString lead = ccTranslateFmt(1420, {source, destination}) + QStringLiteral("\n\n");
  const auto withLead = [&lead](Exception& e) { e.SetMessage(lead + e.Message()); };

  if (files.MastersFolder.isEmpty() || !QFileInfo(files.MastersFolder).isDir()) {
    EFileError error(ccTranslateFmt(1426, {files.MastersFolder}));
    withLead(error);
    throw error;
  }
  TImportCopies copies(files.TempFolder());
  if (!QDir().mkpath(copies.Folder())) {
    EFileError error(ccTranslateFmt(1427, {copies.Folder()}));
    withLead(error);
    throw error;
  }

  int executed = 0;
  try {
    executed = RunImport(files, source, destination, copies);
  } catch (const EAbort&) {
    copies.RemoveAll();
    throw;
  } catch (Exception& e) {
    const QString leftovers = copies.RemoveAll();
    withLead(e);
    if (!leftovers.isEmpty()) e.SetMessage(e.Message() + QStringLiteral("\n\n") + leftovers);
    throw;
  } catch (...) {
    copies.RemoveAll();
    throw;
  }
  // The new database is written: a copy that cannot be removed is worth a warning,
  // not a failure that would leave the new file unlisted.
  const QString leftovers = copies.RemoveAll();
  const QString done = ccTranslateFmt(1442, {executed});
  if (leftovers.isEmpty()) {
    Dialogs::Notify(done, TDialogIcon::Information);
  } else {
    Dialogs::Notify(done + QStringLiteral("\n\n") + leftovers, TDialogIcon::Warning);
  }
}
