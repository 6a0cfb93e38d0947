// The start-up steps without a window: names, the application file, the root-node
// check, the configuration of earlier versions and the registry values.
#include "App/CodiComu/config/StartUp.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QFile>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/config/TZULAppConfig.h"
#include "platform/os/TRegistryStore.h"
#include "platform/zul/TTreeZUL.h"
#include "platform/zul/TZULApp.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace {

void WriteFile(const QString& path, const QByteArray& data) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(data);
}

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString RootText(TZULApp& app) { return app.Tree().FindNode(app.Tree().RootNodes().first())->text; }

class StartUpTest : public ::testing::Test {
protected:
  TempDir dir;
  ScriptedDialogs::Scope dialogs;
};

TEST_F(StartUpTest, FullEditionNamesAndFolders) {
  TZULAppConfig config;
  StartUp::ConfigureFullEdition(config, dir.Path());
  EXPECT_EQ(config.ApplicationName, QStringLiteral("ZUL-Lumaresca 2014 PRO"));
  EXPECT_EQ(config.IniFileName(), dir.File(QStringLiteral("ZULLumaresca2014EXT.INI")));
  EXPECT_EQ(config.ResourcesFileName(), dir.File(QStringLiteral("ZULLumaresca2014EXT.ZUR")));
  EXPECT_EQ(config.MasterDataBaseFileName(4), dir.File(QStringLiteral("MastersMDB/ZULLumaExtV4.MMDB")));
  EXPECT_EQ(config.NewDataBaseFileName(), dir.File(QStringLiteral("DATADIR/ZULLumarescaExtV4E1.MDB")));
  EXPECT_EQ(config.DataBaseAppName(4), QStringLiteral("ZUL Lumaresca EXT"));
}

TEST_F(StartUpTest, ApplicationFileMissingDamagedOrGood) {
  TZULApp app;
  const QString appFile = dir.File(QStringLiteral("ZULLumaresca2014EXT"));
  const QString before = RootText(app);
  EXPECT_FALSE(StartUp::DoReadZULAppFile(app, appFile));  // no file: the built-in stays
  EXPECT_TRUE(dialogs->errors.isEmpty());

  WriteFile(appFile + QStringLiteral(".ZUL"), "{ esto no es una aplicación");
  EXPECT_FALSE(StartUp::DoReadZULAppFile(app, appFile));
  ASSERT_EQ(dialogs->errors.size(), 1);
  EXPECT_TRUE(dialogs->errors.first().startsWith(QStringLiteral("ERROR MUY GRAVE:")));
  EXPECT_TRUE(dialogs->errors.first().contains(appFile + QStringLiteral(".ZUL")));
  EXPECT_EQ(RootText(app), before);

  // A good file with another root: loaded, and the root check refuses it with 1611.
  QBuffer saved;
  saved.open(QIODevice::WriteOnly);
  app.SaveAppToStream(saved);
  QByteArray text = saved.data();
  text.replace("ZUL-Lumaresca 2014 EXTENDED", "ZUL-Otro programa");
  WriteFile(appFile + QStringLiteral(".ZUL"), text);
  EXPECT_TRUE(StartUp::DoReadZULAppFile(app, appFile));
  EXPECT_EQ(RootText(app), QStringLiteral("ZUL-Otro programa"));
  EXPECT_TRUE(StartUp::CheckZULFileValidNode(app, QStringLiteral("zul-otro PROGRAMA")));
  EXPECT_FALSE(StartUp::CheckZULFileValidNode(app, QStringLiteral("ZUL-Lumaresca 2014 EXTENDED")));
  ASSERT_EQ(dialogs->errors.size(), 2);
  EXPECT_EQ(dialogs->errors.last(), ccTranslateFmt(1611, {QStringLiteral("ZUL-Lumaresca 2014 EXTENDED"),
                                                          QStringLiteral("ZUL-Otro programa")}));
}

TEST_F(StartUpTest, EarlierConfigurationIsCarriedOverOnce) {
  const QString appFile = dir.File(QStringLiteral("ZULLumaresca2014EXT"));
  EXPECT_FALSE(StartUp::CarryOverEarlierConfiguration(appFile, QStringLiteral("Lumaresca")));
  WriteFile(dir.File(QStringLiteral("ZULLumaresca20.ZUR")), "recursos 2.0");
  WriteFile(dir.File(QStringLiteral("ZULLumaresca20.INI")), "[INIT]\nMDI=1\n");
  WriteFile(appFile + QStringLiteral(".INI"), "[INIT]\n");
  EXPECT_TRUE(StartUp::CarryOverEarlierConfiguration(appFile, QStringLiteral("Lumaresca")));
  EXPECT_EQ(ReadFile(appFile + QStringLiteral(".ZUR")), QByteArray("recursos 2.0"));
  EXPECT_EQ(ReadFile(appFile + QStringLiteral(".INI")), QByteArray("[INIT]\nMDI=1\n"));
  ASSERT_EQ(dialogs->notices.size(), 1);
  EXPECT_TRUE(dialogs->notices.first().contains(QString::fromUtf8("versión 2.0 a la 2.2")));

  // Once this program has its own resources nothing is copied again, not even 2.1's.
  WriteFile(dir.File(QStringLiteral("ZULLumaresca21.ZUR")), "recursos 2.1");
  EXPECT_FALSE(StartUp::CarryOverEarlierConfiguration(appFile, QStringLiteral("Lumaresca")));
  EXPECT_EQ(ReadFile(appFile + QStringLiteral(".ZUR")), QByteArray("recursos 2.0"));
}

TEST_F(StartUpTest, RegistryValuesForTheUpdateCheck) {
  TZULApp app;
  app.SetAppName(QStringLiteral("Lumaresca prueba"));
  StartUp::WriteStartUpRegistryValues(app, QStringLiteral("/opt/lumaresca/lumapro"),
                                      QStringLiteral("/opt/lumaresca/ZULLumaresca2014EXT"));
  TRegistryStore& reg = app.GetAppRegister();
  const QString key = app.AppRegisterKey();
  EXPECT_EQ(reg.ReadString(key, QStringLiteral("ExeFileName")), QStringLiteral("/opt/lumaresca/lumapro"));
  EXPECT_EQ(reg.ReadString(key, QStringLiteral("ZULFileName")),
            QStringLiteral("/opt/lumaresca/ZULLumaresca2014EXT.ZUL"));
  EXPECT_FALSE(reg.ReadString(key, QStringLiteral("ExeBuild")).isEmpty());
  EXPECT_EQ(reg.ReadInteger(key, QStringLiteral("ZULFileSaveCounter")), app.SaveCounter());
  EXPECT_TRUE(reg.ValueExists(key, QStringLiteral("ZULFileDate")));
  EXPECT_TRUE(reg.ValueExists(key, QStringLiteral("ZULFileGeneratorID")));
}

}  // namespace
