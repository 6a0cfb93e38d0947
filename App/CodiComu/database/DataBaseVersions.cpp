#include "App/CodiComu/database/DataBaseVersions.h"

#include <QFileInfo>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/database/AccessConnection.h"
#include "App/CodiComu/database/DataBaseCatalog.h"
#include "App/CodiComu/database/TDataBaseFiles.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/zul/TDataBaseZUL.h"

namespace {

const QString kVersionTable = QStringLiteral("TZULVersionInfo");

// Base names of the masters of the other programs of the family, by program name.
struct FamilyMaster {
  const char* program;
  const char* stem;
};
constexpr FamilyMaster kFamilyMasters[] = {
    {"ZUL Lumaresca", "ZULLumaV"},
    {"ZUL-Pravenor", "ZULPravenorv"},
    {"ZUL-Tessalid", "ZULTessalidv"},
    {"ZUL-Omberlin", "ZULOmberlinv"},
    {"ZUL-Quillamar", "ZULQuillamarv"},
    {"ZUL-Bravesk", "ZULBraveskv"},
    {"ZUL-Bravesk Tundral", "ZULBraveskTundralv"},
    {"ZUL-BraveskVerolan", "ZULBraveskVerolanv"},
    {"ZUL-Tessalid A02", "ZULTessalidA02v"},
};

// The master of version 1, when the masters folder is set and the file is there.
QString VersionOneMaster(const TDataBaseFiles& files) {
  if (files.MastersFolder.isEmpty()) return QString();
  QString master;
  try {
    master = files.MasterDataBaseFileName(1);
  } catch (const Exception&) {
    return QString();  // no mask: no master to compare with
  }
  return QFileInfo(master).isFile() ? master : QString();
}

QStringList TablesOf(const QString& file) {
  TDataBaseZUL db;
  ConnectAccessDataBase(db, file, true);
  return DataBaseCatalog::TableNames(db);
}

bool SameTables(QStringList a, QStringList b) {
  a.removeIf([](const QString& name) { return name.compare(kVersionTable, Qt::CaseInsensitive) == 0; });
  b.removeIf([](const QString& name) { return name.compare(kVersionTable, Qt::CaseInsensitive) == 0; });
  return a.join(QLatin1Char(',')).compare(b.join(QLatin1Char(',')), Qt::CaseInsensitive) == 0;
}

// A database without version table: of version 1 when it has exactly the tables of
// the version-1 master; otherwise unknown, or asked for when there is no such master.
void RecogniseProgram(const TDataBaseFiles& files, const QString& file, const QStringList& tables,
                      bool interactive, TDataBaseVersionInfo& info) {
  const QString master = VersionOneMaster(files);
  if (!master.isEmpty()) {
    if (SameTables(tables, TablesOf(master))) {
      info.Name = files.DataBaseAppName(1);
      info.Version = 1;
    }
    return;
  }
  if (!interactive) throw EDatabaseError(ccTranslateFmt(1436, {file}));
  if (!Dialogs::AskYesNo(ccTranslate(1433), TDialogIcon::Error, dbNo)) Abort();
  QString name;
  if (!Dialogs::Current().InputText(ccTranslate(1434), ccTranslate(1435), name)) Abort();
  info.Name = name.trimmed();
  info.Version = 1;
}

QString DeriveMasterFileName(const TDataBaseFiles& files, const TDataBaseVersionInfo& info) {
  if (info.Name.isEmpty()) return QString();
  const QString version = QString::number(info.Version);
  // A file of this program that does not name its master: the masters' own rule.
  if (info.Name.compare(files.DataBaseAppName(info.Version), Qt::CaseInsensitive) == 0) {
    try {
      return QFileInfo(files.MasterDataBaseFileName(info.Version)).completeBaseName();
    } catch (const Exception&) {
      return QString();
    }
  }
  for (const FamilyMaster& family : kFamilyMasters) {
    if (info.Name.compare(QString::fromUtf8(family.program), Qt::CaseInsensitive) == 0) {
      return QString::fromUtf8(family.stem) + version;
    }
  }
  return QString();
}

}  // namespace

TDataBaseVersionInfo ReadVersionInfo(const TDataBaseFiles& files, const QString& file, bool interactive) {
  TDataBaseVersionInfo info;
  QStringList tables;
  {
    TDataBaseZUL db;
    ConnectAccessDataBase(db, file, true);
    tables = DataBaseCatalog::TableNames(db);
    if (tables.contains(kVersionTable, Qt::CaseInsensitive)) {
      const bool hasMaster = DataBaseCatalog::HasColumn(db, kVersionTable, QStringLiteral("MasterFileName"));
      const QString sql =
          QStringLiteral("SELECT NombreAplicacion, NumeroVersion%1 FROM TZULVersionInfo LIMIT 1")
              .arg(hasMaster ? QStringLiteral(", MasterFileName") : QString());
      const std::vector<QStringList> rows = DataBaseCatalog::Rows(db, sql);
      if (!rows.empty()) {
        info.Name = rows.front().value(0);
        info.Version = rows.front().value(1).toInt();
        info.MasterFileName = rows.front().value(2).trimmed();
      }
    }
  }
  if (!tables.contains(kVersionTable, Qt::CaseInsensitive))
    RecogniseProgram(files, file, tables, interactive, info);
  if (info.MasterFileName.isEmpty()) info.MasterFileName = DeriveMasterFileName(files, info);
  return info;
}

int CheckDataBaseVersion(const TDataBaseFiles& files, const QString& file, int programVersion,
                         bool acceptOlder, bool acceptNewer) {
  const TDataBaseVersionInfo info = ReadVersionInfo(files, file, false);
  const QString expected = files.DataBaseAppName(programVersion);
  if (info.Name.compare(expected, Qt::CaseInsensitive) != 0) {
    throw EDatabaseError(ccTranslateFmt(1400, {file, info.Name, expected}));
  }
  if (info.Version > programVersion && !acceptNewer) {
    throw EDatabaseError(ccTranslateFmt(1401, {file, info.Version, programVersion}));
  }
  if (info.Version < programVersion && !acceptOlder) {
    throw EDatabaseError(ccTranslateFmt(1402, {file, info.Version}));
  }
  return info.Version;
}
