#include "App/CodiComu/config/StartUp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/config/TZULAppConfig.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/os/TFileVersionInfo.h"
#include "platform/os/TRegistryStore.h"
#include "platform/zul/TTreeZUL.h"
#include "platform/zul/TZULApp.h"
#include "platform/zul/TZULAppFile.h"

namespace StartUp {

namespace {
QString Utf8(const char* text) { return QString::fromUtf8(text); }
}  // namespace

void ConfigureFullEdition(TZULAppConfig& config, const QString& exeFolder) {
  const QDir folder(exeFolder);
  config.ApplicationName = Utf8(kTitle);
  config.AppFileName = folder.filePath(Utf8(kAppFileBaseName));
  TDataBaseFiles& files = config.Files();
  files.ExecutableFolder = exeFolder;
  files.DefaultDataDir = folder.filePath(QStringLiteral("DATADIR"));
  files.MastersFolder = folder.filePath(QStringLiteral("MastersMDB"));
  files.MastersMask = QStringLiteral("ZULLumaExtV");
  files.NewDataBaseMaskFileName = QStringLiteral("ZULLumarescaExtV");
  files.DataBaseAppNameValue = Utf8(kDataBaseAppName);
  files.DataBaseVersion = kDataBaseVersion;
}

bool DoReadZULAppFile(TZULApp& app, const QString& appFile) {
  const QString path = appFile + QStringLiteral(".ZUL");
  if (!QFileInfo::exists(path)) return false;
  try {
    app.SetAppFile(appFile);  // a damaged file leaves the application as it was
    return true;
  } catch (const Exception& e) {
    Dialogs::Current().Error(Dialogs::AppTitle(), ccTranslateFmt(1507, {path, e.Message()}));
    return false;
  }
}

bool CheckZULFileValidNode(TZULApp& app, const QString& expected) {
  const QList<int> roots = app.Tree().RootNodes();
  if (roots.isEmpty() || expected.isEmpty()) return true;
  const TTreeNodeZUL* root = app.Tree().FindNode(roots.first());
  const QString found = root ? root->text : QString();
  if (found.compare(expected, Qt::CaseInsensitive) == 0) return true;
  Dialogs::Current().Error(Dialogs::AppTitle(), ccTranslateFmt(1611, {expected, found}));
  return false;
}

bool CarryOverEarlierConfiguration(const QString& appFile, const QString& title) {
  const QString ownResources = appFile + QStringLiteral(".ZUR");
  if (QFileInfo::exists(ownResources)) return false;
  const QString folder = QFileInfo(appFile).absolutePath();
  const struct {
    const char* baseName;
    const char* version;
  } earlier[] = {{"ZULLumaresca21", "2.1"}, {"ZULLumaresca20", "2.0"}};
  for (const auto& e : earlier) {
    const QString base = QDir(folder).filePath(QString::fromLatin1(e.baseName));
    const QString resources = base + QStringLiteral(".ZUR");
    if (!QFileInfo::exists(resources) || !QFile::copy(resources, ownResources)) continue;
    const QString ini = base + QStringLiteral(".INI");
    const QString ownIni = appFile + QStringLiteral(".INI");
    if (QFileInfo::exists(ini)) {
      QFile::remove(ownIni);
      QFile::copy(ini, ownIni);
    }
    Dialogs::Current().Notify(
        title,
        QString::fromUtf8(
            "SE HA DETECTADO UNA VERSIÓN ANTERIOR\n\nSe ha actualizado correctamente el archivo\nde "
            "configuración de la versión ") +
            QString::fromLatin1(e.version) + QStringLiteral(" a la ") + QStringLiteral("2.2") +
            QStringLiteral("\n\nAhora dispone de la misma configuración que tenía\nantes en ZUL-Lumaresca"),
        TDialogIcon::Information);
    return true;
  }
  return false;
}

void WriteStartUpRegistryValues(TZULApp& app, const QString& exeFile, const QString& appFile) {
  TRegistryStore& registry = app.GetAppRegister();
  const QString key = app.AppRegisterKey();
  registry.WriteString(key, QStringLiteral("ZULFileDate"), app.FileDate().toString(Qt::ISODate));
  registry.WriteInteger(key, QStringLiteral("ZULFileSaveCounter"), app.SaveCounter());
  registry.WriteString(key, QStringLiteral("ZULFileGeneratorID"), app.GeneratorId());
  registry.WriteString(key, QStringLiteral("ExeBuild"), OwnVersionInfo().FileVersion);
  registry.WriteString(key, QStringLiteral("ExeFileName"), exeFile);
  registry.WriteString(key, QStringLiteral("ZULFileName"), appFile + QStringLiteral(".ZUL"));
}

}  // namespace StartUp
