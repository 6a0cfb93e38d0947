#include "App/CodiComu/database/TZULDataBases.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include "platform/core/Exceptions.h"
#include "platform/core/IniFile.h"
#include "platform/os/ExecutableFolder.h"

namespace {

const QString kListSection = QStringLiteral("BASES_DE_DATOS");
const QString kSectionStem = QStringLiteral("BDEmpresa");

QString BaseOrExecutable(const QString& base) {
  return QDir::cleanPath(base.isEmpty() ? ExecutableFolder::Path() : base);
}

QStringList FolderNames(const QString& folder) { return folder.split(QLatin1Char('/'), Qt::SkipEmptyParts); }

// The mount point of the nearest existing folder of a path; empty when unknown.
QString StorageRoot(const QString& path) {
  QFileInfo info(path);
  while (!info.exists() && !info.isRoot() && info.absolutePath() != info.absoluteFilePath()) {
    info.setFile(info.absolutePath());
  }
  const QStorageInfo storage(info.absoluteFilePath());
  return storage.isValid() ? storage.rootPath() : QString();
}

}  // namespace

QString MakeRelativePath(const QString& base, const QString& path) {
  // Empty and already relative paths are kept as they are.
  if (path.isEmpty() || QDir::isRelativePath(path)) return path;
  const QString baseFolder = BaseOrExecutable(base);
  const QString cleanPath = QDir::cleanPath(path);
  const int slash = cleanPath.lastIndexOf(QLatin1Char('/'));
  const QString fileName = cleanPath.mid(slash + 1);
  const QStringList baseParts = FolderNames(baseFolder);
  const QStringList pathParts = FolderNames(cleanPath.left(slash));

  qsizetype common = 0;
  while (common < baseParts.size() && common < pathParts.size() && baseParts[common] == pathParts[common])
    ++common;
  // Nothing in common but "/", or another file system: a relative path would not
  // survive moving the program, so the path stays absolute.
  if (common == 0) return path;
  const QString baseRoot = StorageRoot(baseFolder);
  const QString pathRoot = StorageRoot(cleanPath);
  if (!baseRoot.isEmpty() && !pathRoot.isEmpty() && baseRoot != pathRoot) return path;

  QString result;
  if (common == baseParts.size()) {
    result = QStringLiteral("./");
  } else {
    for (qsizetype i = common; i < baseParts.size(); ++i) result += QStringLiteral("../");
  }
  for (qsizetype i = common; i < pathParts.size(); ++i) result += pathParts[i] + QLatin1Char('/');
  return result + fileName;
}

QString ExpandRelativePath(const QString& base, const QString& path) {
  if (path.isEmpty()) return path;
  if (QDir::isAbsolutePath(path)) return QDir::cleanPath(path);
  return QDir::cleanPath(BaseOrExecutable(base) + QLatin1Char('/') + path);
}

TZULDataBases::TZULDataBases(const QString& iniFileName, const QString& baseFolder)
    : m_iniFileName(iniFileName), m_baseFolder(baseFolder) {}

TZULDataBases::~TZULDataBases() = default;

TIniFile& TZULDataBases::GetIniFile() {
  if (!m_ini) m_ini = std::make_unique<TIniFile>(m_iniFileName);
  return *m_ini;
}

void TZULDataBases::SaveIniFile() { GetIniFile().Save(); }

int TZULDataBases::DataBaseCount() { return static_cast<int>(GetIniFile().Keys(kListSection).size()); }

QString TZULDataBases::SectionName(int index) {
  const QStringList keys = GetIniFile().Keys(kListSection);
  if (index < 0 || index >= keys.size()) {
    throw Exception(QString::fromUtf8("No existe la sección índice ") + QString::number(index));
  }
  return keys[index];
}

int TZULDataBases::IndexOfSection(const QString& section) {
  // Keys match without regard to case, as in the INI file itself.
  const QStringList keys = GetIniFile().Keys(kListSection);
  for (qsizetype i = 0; i < keys.size(); ++i) {
    if (keys[i].compare(section, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
  }
  return -1;
}

TZULDataBase TZULDataBases::ReadDataBase(int index) {
  const QString section = SectionName(index);
  const TIniFile& ini = GetIniFile();
  TZULDataBase database;
  database.Nombre = ini.ReadString(section, QStringLiteral("Nombre"));
  database.Version = ini.ReadInteger(section, QStringLiteral("Version"), 0);
  database.Archivo = ExpandRelativePath(m_baseFolder, ini.ReadString(section, QStringLiteral("Archivo")));
  database.SystemDataBase =
      ExpandRelativePath(m_baseFolder, ini.ReadString(section, QStringLiteral("SystemDataBase")));
  return database;
}

void TZULDataBases::WriteDataBase(const QString& section, const TZULDataBase& database) {
  TIniFile& ini = GetIniFile();
  // A value the file cannot hold raises half-way: put everything back as it was.
  const QString before = ini.ToText();
  try {
    ini.WriteString(kListSection, section, database.Nombre);
    ini.WriteString(section, QStringLiteral("Nombre"), database.Nombre);
    ini.WriteString(section, QStringLiteral("Archivo"), MakeRelativePath(m_baseFolder, database.Archivo));
    ini.WriteString(section, QStringLiteral("SystemDataBase"),
                    MakeRelativePath(m_baseFolder, database.SystemDataBase));
    ini.WriteInteger(section, QStringLiteral("Version"), database.Version);
  } catch (...) {
    ini.FromText(before, m_iniFileName);
    throw;
  }
  ini.Save();
}

void TZULDataBases::WriteDataBaseAt(int index, const TZULDataBase& database) {
  WriteDataBase(SectionName(index), database);
}

int TZULDataBases::AddDataBase(const TZULDataBase& database) {
  TIniFile& ini = GetIniFile();
  QString section;
  for (int n = 1;; ++n) {
    section = kSectionStem + QString::number(n);
    if (!ini.ValueExists(kListSection, section)) break;
  }
  // A section left behind without its list key must not lend the new database its old values.
  const QString before = ini.ToText();
  ini.EraseSection(section);
  try {
    WriteDataBase(section, database);
  } catch (...) {
    ini.FromText(before, m_iniFileName);
    throw;
  }
  return IndexOfSection(section);
}

void TZULDataBases::DeleteDataBase(int index) {
  const QString section = SectionName(index);
  TIniFile& ini = GetIniFile();
  ini.DeleteKey(kListSection, section);
  ini.EraseSection(section);
  ini.Save();
}
