#include "App/CodiComu/database/TDataBaseFiles.h"

#include <QFileInfo>

#include "platform/core/Exceptions.h"
#include "platform/os/ExecutableFolder.h"

namespace {

// Folder + "/" + name without doubling a trailing slash of the folder.
QString JoinPath(const QString& folder, const QString& name) {
  if (folder.endsWith(QLatin1Char('/'))) return folder + name;
  return folder + QLatin1Char('/') + name;
}

}  // namespace

QString TDataBaseFiles::MasterDataBaseFileName(int version) const {
  if (MasterFileNameProvider) {
    const QString provided = MasterFileNameProvider(version);
    if (!provided.isEmpty()) return provided;
  }
  if (MastersFolder.isEmpty() || MastersMask.isEmpty()) {
    throw Exception(
        QString::fromUtf8("NO PUEDE REALIZAR ESTA OPERACIÓN\n\nEl directorio de bases de datos vacías o el "
                          "nombre de archivo genérico no está definido"));
  }
  return JoinPath(MastersFolder, MastersMask + QString::number(version) + QStringLiteral(".MMDB"));
}

QString TDataBaseFiles::NewDataBaseFileName() const {
  if (NewDataBaseMaskFileName.isEmpty()) {
    throw Exception(
        QString::fromUtf8("No está definida la variable \"NewDataBaseMaskFileName\"\n(máscara para un nuevo "
                          "nombre al archivo de la base de datos)"));
  }
  if (DefaultDataDir.isEmpty()) {
    throw Exception(
        QString::fromUtf8("No está definida la variable \"DefaultDataDir\"\n(directorio de bases de datos)"));
  }
  const QString stem = NewDataBaseMaskFileName + QString::number(DataBaseVersion) + QLatin1Char('E');
  for (int n = 1;; ++n) {
    const QString candidate = JoinPath(DefaultDataDir, stem + QString::number(n) + QStringLiteral(".MDB"));
    if (!QFileInfo::exists(candidate)) return candidate;
  }
}

QString TDataBaseFiles::DataBaseAppName(int version) const {
  if (DataBaseAppNameProvider) {
    const QString provided = DataBaseAppNameProvider(version);
    if (!provided.isEmpty()) return provided;
  }
  return DataBaseAppNameValue;
}

QString TDataBaseFiles::TempFolder() const {
  const QString folder = ExecutableFolder.isEmpty() ? ::ExecutableFolder::Path() : ExecutableFolder;
  return JoinPath(folder, QStringLiteral("Temp"));
}
