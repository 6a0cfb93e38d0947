// The start-up sequence of the configuration with a recording main window.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/Progress.h"
#include "App/CodiComu/TSplash.h"
#include "App/CodiComu/config/StartUp.h"
#include "App/CodiComu/config/TZULAppConfig.h"
#include "App/CodiComu/config/TZULMenuForm.h"
#include "App/CodiComu/database/TZULDataBases.h"
#include "platform/core/Exceptions.h"
#include "platform/core/IniFile.h"
#include "platform/os/ExecutableFolder.h"
#include "platform/os/TRegistryStore.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TProcedureZUL.h"
#include "platform/zul/TTreeZUL.h"
#include "platform/zul/TZULApp.h"
#include "rules/schema/MasterDatabase.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace {

struct RecordingMenu : TZULMenuForm {
  QStringList calls;
  bool settingsResult = true;
  void CloseChildForms() override { calls << QStringLiteral("cerrar hijas"); }
  void AfterDisconnect() override { calls << QStringLiteral("desconectada"); }
  void AfterConnect() override { calls << QStringLiteral("conectada"); }
  bool LoadWindowSettings() override {
    calls << QStringLiteral("ajustes");
    return settingsResult;
  }
};

bool g_registered = false;
void Register(TProcedureZUL&) { g_registered = true; }
void RegisterFails(TProcedureZUL&) { throw Exception(QStringLiteral("librería rota")); }

class InitTest : public ::testing::Test {
protected:
  void SetUp() override {
    g_registered = false;
    // The registry store lives as long as the test program: start each test without the key.
    TRegistryStore::User().DeleteKey(TRegistryStore::AppKey(QString::fromLatin1(StartUp::kTitle)));
    ExecutableFolder::Override(dir.Path());
    config = std::make_unique<TZULAppConfig>();
    StartUp::ConfigureFullEdition(*config, dir.Path());
    config->RootNodeName = QString::fromLatin1(StartUp::kRootNodeName);
    config->ExecutableFile = dir.File(QStringLiteral("lumapro"));
  }
  void TearDown() override {
    config.reset();
    FreeProgress();
    Parametres().Clear();
    ExecutableFolder::Override(QString());
  }
  bool RunInit(TZULAppConfig::TRegisterLibrary reg = Register) {
    return config->Init(&menu, QString::fromLatin1(StartUp::kTitle), reg, StartUp::kAppVersion,
                        StartUp::kDataBaseVersion, QString::fromLatin1(StartUp::kDataBaseAppName));
  }
  // A company database in the list, named as the default company.
  void DefaultCompany() {
    const QString file = dir.File(QStringLiteral("DATADIR/Norte.MDB"));
    QDir().mkpath(dir.File(QStringLiteral("DATADIR")));
    {
      TDataBaseZUL db;
      db.Create(file);
      CreateSchema(db);
      WriteVersionInfo(db);
    }
    TZULDataBases list(config->IniFileName(), dir.Path());
    const int index = list.AddDataBase({QStringLiteral("Norte"), -1, file, QString()});
    list.GetIniFile().WriteString(QStringLiteral("INIT"), QStringLiteral("EmpresaPorDefecto"),
                                  list.SectionName(index));
    list.SaveIniFile();
  }
  bool RegistryHas(const char* name) {
    return config->App().GetAppRegister().ValueExists(config->App().AppRegisterKey(),
                                                      QString::fromLatin1(name));
  }

  TempDir dir;
  ScriptedDialogs::Scope dialogs;
  RecordingMenu menu;
  std::unique_ptr<TZULAppConfig> config;
};

TEST_F(InitTest, EmptyProgramFolderStartsWithTheBuiltInApplicationAndNoDatabase) {
  ASSERT_TRUE(RunInit());
  EXPECT_TRUE(g_registered);
  EXPECT_FALSE(config->IsConnected());
  EXPECT_EQ(menu.calls, QStringList({QStringLiteral("ajustes")}));
  EXPECT_FALSE(config->App().Tree().RealTree());
  EXPECT_EQ(TZULApp::Main(), &config->App());
  EXPECT_TRUE(RegistryHas("ExeFileName"));
  EXPECT_TRUE(dialogs->errors.isEmpty());
  EXPECT_TRUE(ProgressInstance() == nullptr || ProgressInstance()->Levels().empty());
}

TEST_F(InitTest, TheDefaultCompanyOpensAndAMissingOneIsForgotten) {
  DefaultCompany();
  ASSERT_TRUE(RunInit());
  EXPECT_TRUE(config->IsConnected());
  EXPECT_EQ(config->CurrentDataBase().Nombre, QStringLiteral("Norte"));
  EXPECT_TRUE(menu.calls.contains(QStringLiteral("conectada")));
  config->SetConnected(false);
  EXPECT_TRUE(menu.calls.contains(QStringLiteral("cerrar hijas")));
  EXPECT_EQ(menu.calls.last(), QStringLiteral("desconectada"));

  config->IniFile().WriteString(QStringLiteral("INIT"), QStringLiteral("EmpresaPorDefecto"),
                                QStringLiteral("BDEmpresa9"));
  ASSERT_TRUE(RunInit());
  EXPECT_FALSE(config->IsConnected());
  EXPECT_FALSE(config->IniFile().ValueExists(QStringLiteral("INIT"), QStringLiteral("EmpresaPorDefecto")));
}

TEST_F(InitTest, AFailingApplicationStepLetsTheOthersRunThenEndsInit) {
  DefaultCompany();
  EXPECT_THROW(RunInit(RegisterFails), Exception);
  EXPECT_FALSE(config->App().Tree().RealTree());  // the step before ran
  EXPECT_FALSE(config->IsConnected());            // the database step did not
  EXPECT_FALSE(RegistryHas("ExeFileName"));
  EXPECT_TRUE(ProgressInstance() == nullptr || ProgressInstance()->Levels().empty());
}

TEST_F(InitTest, RefusedLoginOrForeignApplicationFileEndsTheProgram) {
  menu.settingsResult = false;
  EXPECT_FALSE(RunInit());
  EXPECT_FALSE(g_registered);

  menu.settingsResult = true;
  config->RootNodeName = QStringLiteral("ZUL-Otro programa");
  EXPECT_FALSE(RunInit());
  ASSERT_EQ(dialogs->errors.size(), 1);
  EXPECT_TRUE(
      dialogs->errors.first().contains(QStringLiteral("El archivo ZUL no pertenece a esta aplicación")));
}

TEST_F(InitTest, WindowSettingsErrorsAreShownAndStartUpGoesOn) {
  struct Failing : RecordingMenu {
    bool LoadWindowSettings() override { throw Exception(QStringLiteral("pantalla rara")); }
  } failing;
  ASSERT_TRUE(config->Init(&failing, QString::fromLatin1(StartUp::kTitle), Register, 2645, 4,
                           QString::fromLatin1(StartUp::kDataBaseAppName)));
  ASSERT_EQ(dialogs->notices.size(), 1);
  EXPECT_EQ(dialogs->notices.first(), ccTranslate(1591) + QStringLiteral("\n\npantalla rara"));
  EXPECT_TRUE(g_registered);
}

TEST_F(InitTest, FinishSavesTheFrameworkParametersIntoTheResourceFile) {
  ASSERT_TRUE(RunInit());
  Parametres().AddParam(QStringLiteral("PRMTituloAplicacion"), QStringLiteral("Mi academia"), true);
  config->Finish();
  EXPECT_TRUE(QFile::exists(config->ResourcesFileName()));
  Parametres().Clear();
  ASSERT_TRUE(RunInit());
  EXPECT_EQ(Parametres().AsString(QStringLiteral("PRMTituloAplicacion")), QStringLiteral("Mi academia"));
}

}  // namespace
