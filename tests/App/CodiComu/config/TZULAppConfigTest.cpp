// Opening a company database of the list: version check, login, rights on the
// connection, the INI file's default company and the connection events.
#include "App/CodiComu/config/TZULAppConfig.h"

#include <gtest/gtest.h>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/TParametrosApp.h"
#include "App/CodiComu/database/TZULDataBases.h"
#include "App/CodiComu/users/LoginPrompt.h"
#include "App/CodiComu/users/PasswordHash.h"
#include "App/CodiComu/users/TZULPasswordsDataBase.h"
#include "platform/core/Exceptions.h"
#include "platform/core/IniFile.h"
#include "platform/os/ExecutableFolder.h"
#include "platform/zul/DefaultDataBase.h"
#include "platform/zul/TDataBaseZUL.h"
#include "rules/schema/MasterDatabase.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace {

class AppConfigTest : public ::testing::Test {
protected:
  void SetUp() override {
    previousIterations = PasswordHash::SetIterations(50);
    ExecutableFolder::Override(dir.Path());
    config = std::make_unique<TZULAppConfig>();
    config->AppFileName = dir.File(QStringLiteral("Lumaresca"));
    config->ApplicationName = QStringLiteral("Lumaresca prueba");
    TDataBaseFiles& files = config->Files();
    files.ExecutableFolder = dir.Path();
    files.MastersFolder = dir.File(QStringLiteral("MastersMDB"));
    files.MastersMask = QStringLiteral("ZULLumaExtV");
    files.DataBaseAppNameValue = DatabaseVersion::Full().appName;
    files.DataBaseVersion = DatabaseVersion::kCurrent;
    config->SetConnectionEvents(
        {[this] { events << QStringLiteral("antes"); }, [this] { events << QStringLiteral("conectada"); },
         [this] { events << QStringLiteral("cerrando"); }, [this] { events << QStringLiteral("cerrada"); }});
  }
  void TearDown() override {
    SetLoginPrompt({});
    config.reset();
    ExecutableFolder::Override(QString());
    PasswordHash::SetIterations(previousIterations);
  }

  // A company database of this program at `version`, added to the list.
  int AddCompany(const char* name, int version = DatabaseVersion::kCurrent) {
    const QString file = dir.File(QString::fromLatin1(name) + QStringLiteral(".MDB"));
    {
      TDataBaseZUL db;
      db.Create(file);
      CreateSchema(db);
      DatabaseVersion v = DatabaseVersion::Full();
      v.version = version;
      WriteVersionInfo(db, v);
    }
    return config->DataBases().AddDataBase({QString::fromLatin1(name), -1, file, QString()});
  }
  QString DefaultCompany() {
    return config->IniFile().ReadString(QStringLiteral("INIT"), QStringLiteral("EmpresaPorDefecto"));
  }
  QString Refusal(const char* sql) {
    try {
      config->DataBase().ExecuteSQL(QString::fromUtf8(sql));
      return QString();
    } catch (const Exception& e) {
      return e.Message();
    }
  }

  int previousIterations = 0;
  TempDir dir;
  ScriptedDialogs::Scope dialogs;
  std::unique_ptr<TZULAppConfig> config;
  QStringList events;
};

TEST_F(AppConfigTest, OpensTheDatabaseOnceAndClosesWithAnIndexOutOfRange) {
  const int index = AddCompany("Norte");
  config->ConnectDataBase(index);
  ASSERT_TRUE(config->IsConnected());
  EXPECT_EQ(config->CurrentDataBaseIndex(), index);
  EXPECT_EQ(config->CurrentDataBase().Nombre, QStringLiteral("Norte"));
  EXPECT_FALSE(config->ReadOnly());
  EXPECT_EQ(DefaultCompany(), QStringLiteral("BDEmpresa1"));
  EXPECT_EQ(DefaultDataBase::Get(), &config->DataBase());
  EXPECT_EQ(ParametrosApp().DataBase(), &config->DataBase());
  EXPECT_EQ(events, QStringList({QStringLiteral("antes"), QStringLiteral("conectada")}));

  config->ConnectDataBase(index);  // already open: nothing happens
  EXPECT_EQ(events.size(), 2);

  config->ConnectDataBase(7);
  EXPECT_FALSE(config->IsConnected());
  EXPECT_EQ(config->CurrentDataBaseIndex(), -1);
  EXPECT_TRUE(config->CurrentDataBase().IsEmpty());
  EXPECT_FALSE(config->IniFile().ValueExists(QStringLiteral("INIT"), QStringLiteral("EmpresaPorDefecto")));
  EXPECT_EQ(events.mid(2), QStringList({QStringLiteral("cerrando"), QStringLiteral("cerrada")}));
  // The INI file on disk says the same.
  TIniFile saved(config->IniFileName());
  EXPECT_FALSE(saved.ValueExists(QStringLiteral("INIT"), QStringLiteral("EmpresaPorDefecto")));
  EXPECT_EQ(saved.Keys(QStringLiteral("BASES_DE_DATOS")), QStringList({QStringLiteral("BDEmpresa1")}));
}

TEST_F(AppConfigTest, OlderVersionStopsSilentlyAndOtherProgramsAreRefused) {
  const int older = AddCompany("Antigua", DatabaseVersion::kCurrent - 1);
  EXPECT_THROW(config->ConnectDataBase(older), EAbort);
  EXPECT_FALSE(config->IsConnected());
  EXPECT_EQ(config->CurrentDataBaseIndex(), -1);

  const QString foreign = dir.File(QStringLiteral("Otra.MDB"));
  {
    TDataBaseZUL db;
    db.Create(foreign);
    CreateSchema(db);
    WriteVersionInfo(db, {QStringLiteral("ZUL-Otro"), 4, QStringLiteral("ZULOtrov4")});
  }
  const int other = config->DataBases().AddDataBase({QStringLiteral("Otra"), -1, foreign, QString()});
  try {
    config->ConnectDataBase(other);
    FAIL() << "a database of another program was opened";
  } catch (const EAbort&) {
    FAIL() << "refused without a message";
  } catch (const Exception& e) {
    EXPECT_TRUE(e.Message().contains(QStringLiteral("NO PERTENECE A ESTA APLICACIÓN")));
  }
  EXPECT_FALSE(config->IsConnected());
}

TEST_F(AppConfigTest, LoginGivesTheUsersRightsOnTheConnection) {
  const int index = AddCompany("Norte");
  {
    // An administrator prepares the users on the file.
    TDataBaseZUL db;
    db.Open(config->DataBases().ReadDataBase(index).Archivo);
    TZULPasswordsDataBase users;
    users.SetDataBase(&db);
    users.SetNeedUserName(true);  // creates "admin" and says so
    ASSERT_TRUE(users.AddUser({QStringLiteral("maria"), QStringLiteral("m1"), QString(), 2}));
    TDBUserValues rights = users.ReadUserRights(QStringLiteral("maria"));
    rights.Entry(QStringLiteral("T01Alumnos")).SetRight(3, false);  // no deleting students
    users.WriteUserRights(rights);
    ASSERT_TRUE(users.AddUser({QStringLiteral("lucas"), QStringLiteral("l1"), QString(), 0}));  // reads only
    db.ExecuteSQL(QStringLiteral("INSERT INTO T01Alumnos (NombreT01) VALUES ('Ana')"));
  }
  EXPECT_EQ(dialogs->notices.size(), 1);  // the default user was announced

  SetLoginPrompt(
      [](TCustomZULPasswords& p) { return p.Login(QStringLiteral("MARIA"), QStringLiteral("m1")); });
  config->ConnectDataBase(index);
  ASSERT_TRUE(config->IsConnected());
  EXPECT_FALSE(config->ReadOnly());
  EXPECT_FALSE(Refusal("DELETE FROM T01Alumnos").isEmpty());
  EXPECT_EQ(Refusal("INSERT INTO T01Alumnos (NombreT01) VALUES ('Luis')"), QString());
  EXPECT_EQ(Refusal("UPDATE T01Alumnos SET NombreT01 = 'Ana María' WHERE NombreT01 = 'Ana'"), QString());

  config->ConnectDataBase(-1);
  SetLoginPrompt(
      [](TCustomZULPasswords& p) { return p.Login(QStringLiteral("lucas"), QStringLiteral("l1")); });
  config->ConnectDataBase(index);
  ASSERT_TRUE(config->IsConnected());
  EXPECT_TRUE(config->ReadOnly());
  EXPECT_TRUE(config->DataBase().IsReadOnly());
  EXPECT_FALSE(Refusal("INSERT INTO T04Profesores (NombreT04) VALUES ('Eva')").isEmpty());

  // A cancelled login leaves no database open.
  config->ConnectDataBase(-1);
  SetLoginPrompt([](TCustomZULPasswords&) { return false; });
  try {
    config->ConnectDataBase(index);
    FAIL() << "opened without a login";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), ccTranslate(1506));
  }
  EXPECT_FALSE(config->IsConnected());
  EXPECT_EQ(config->CurrentDataBaseIndex(), -1);
}

TEST_F(AppConfigTest, IniFileNeedsTheListAndTheTableListIsTheProgramsOwn) {
  EXPECT_THROW(config->IniFile(), Exception);
  config->DataBases();
  EXPECT_NO_THROW(config->IniFile());
  ASSERT_EQ(config->TableList.size(), 21);
  EXPECT_EQ(config->TableList.first(), QStringLiteral("T01Alumnos=Alumnos"));
  EXPECT_EQ(config->TableList.last(), QStringLiteral("T26FaltasAsistencia=Faltas de asistencia"));
}

}  // namespace
