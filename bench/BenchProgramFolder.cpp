#include "bench/BenchProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdlib>
#include <stdexcept>

#include "App/CodiComu/Progress.h"
#include "App/CodiComu/config/StartUp.h"
#include "App/CodiComu/config/TZULAppConfig.h"
#include "App/CodiComu/database/TZULDataBases.h"
#include "platform/core/IniFile.h"
#include "platform/os/ExecutableFolder.h"
#include "platform/os/TRegistryStore.h"
#include "platform/zul/TParametres.h"

namespace {

void Copy(const QString& from, const QString& to) {
  QFile::remove(to);
  if (!QFile::copy(from, to)) throw std::runtime_error("cannot copy " + from.toStdString());
  QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
}

}  // namespace

QString BenchBinDir() {
  const QByteArray env = qgetenv("LUMA_BIN_DIR");
  if (!env.isEmpty()) return QString::fromUtf8(env);
  return QCoreApplication::applicationDirPath() + QStringLiteral("/../bin");
}

void PrepareBenchEnvironment() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QTemporaryDir home;
  qputenv("HOME", home.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());
}

BenchProgramFolder::BenchProgramFolder() : m_dir(QDir::tempPath() + QStringLiteral("/luma-bench-XXXXXX")) {
  TRegistryStore::User().DeleteKey(TRegistryStore::AppKey(QString::fromUtf8(StartUp::kTitle)));
  ExecutableFolder::Override(m_dir.path());
  QDir().mkpath(File(QStringLiteral("MastersMDB")));
  Copy(BenchBinDir() + QStringLiteral("/MastersMDB/ZULLumaExtV4.MMDB"),
       File(QStringLiteral("MastersMDB/ZULLumaExtV4.MMDB")));
  Copy(BenchBinDir() + QStringLiteral("/ZULLumaresca2014EXT.ZUL"),
       File(QStringLiteral("ZULLumaresca2014EXT.ZUL")));
  StartUp::ConfigureFullEdition(AppConfig(), m_dir.path());
  AppConfig().ExecutableFile = File(QStringLiteral("lumapro"));
}

BenchProgramFolder::~BenchProgramFolder() {
  ResetBenchConfiguration();
  ExecutableFolder::Override(QString());
}

QString BenchProgramFolder::File(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }

QString BenchProgramFolder::CopyMaster(const QString& name) const {
  QDir().mkpath(File(QStringLiteral("DATADIR")));
  const QString file = File(QStringLiteral("DATADIR/") + name + QStringLiteral(".MDB"));
  Copy(File(QStringLiteral("MastersMDB/ZULLumaExtV4.MMDB")), file);
  return file;
}

void BenchProgramFolder::AddDefaultCompany(const QString& name, const QString& file) const {
  TZULDataBases& list = AppConfig().DataBases();
  const int index = list.AddDataBase({name, -1, file, QString()});
  list.GetIniFile().WriteString(QStringLiteral("INIT"), QStringLiteral("EmpresaPorDefecto"),
                                list.SectionName(index));
  list.SaveIniFile();
}

void ResetBenchConfiguration() {
  FreeAppConfig();
  FreeProgress();
  Parametres().Clear();
}
