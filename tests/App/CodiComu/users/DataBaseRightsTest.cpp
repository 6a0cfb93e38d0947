// The rights of the logged-in user, enforced by the engine on the connection: raw SQL
// included. Opening a database with its login, and the administrator check.
#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/Progress.h"
#include "App/CodiComu/TSplash.h"
#include "App/CodiComu/TSplashView.h"
#include "App/CodiComu/database/AccessConnection.h"
#include "App/CodiComu/database/TZULDataBase.h"
#include "App/CodiComu/users/DataBaseUserRights.h"
#include "App/CodiComu/users/LoginPrompt.h"
#include "App/CodiComu/users/PasswordsConnection.h"
#include "platform/core/Exceptions.h"
#include "platform/zul/TEngineRights.h"
#include "tests/App/CodiComu/users/UsersTestSupport.h"
#include "tests/support/QtPrinters.h"

namespace {

// Every title and text the progress window is given, in order, without repeats.
class RecordingView : public TSplashView {
public:
  explicit RecordingView(QStringList& seen) : m_seen(seen) {}
  void SetVisible(bool) override {}
  void Update(const TSplashDisplay& display, bool) override {
    QStringList texts{display.title};
    for (const TSplashRow& row : display.rows) {
      if (row.visible) texts << row.text;
    }
    for (const QString& text : texts) {
      if (!text.isEmpty() && !m_seen.contains(text)) m_seen << text;
    }
  }
  bool TakeEscape() override { return false; }

private:
  QStringList& m_seen;
};

class DataBaseRightsTest : public CompanyUsersTest {
protected:
  void SetUp() override {
    CompanyUsersTest::SetUp();
    users.SetNeedUserName(true);
    ASSERT_TRUE(users.AddUser(User("sinborrar", "x1", upWrite, "Sin borrar")));
    TDBUserValues rights = users.ReadUserRights(QStringLiteral("sinborrar"));
    rights.Entry(QStringLiteral("t01alumnos")).SetRight(3, false);
    users.WriteUserRights(rights);
    ASSERT_TRUE(users.AddUser(User("lector", "x2", 0, "Solo lee")));
    ASSERT_TRUE(users.AddUser(User("escritor", "x3", upWrite, "Escribe")));
    db.ExecuteSQL(QStringLiteral("INSERT INTO T01Alumnos (NombreT01) VALUES ('Ana')"));
    record = {QStringLiteral("Academia Norte"), 4, file, QString()};
  }
  void TearDown() override { SetLoginPrompt({}); }

  // Logs in through the prompt as a person would, and opens a connection for them.
  void LogInAndOpen(const char* name, const char* password) {
    const QString n = QString::fromLatin1(name), p = QString::fromLatin1(password);
    SetLoginPrompt([n, p](TCustomZULPasswords& passwords) { return passwords.Login(n, p); });
    bool needLogin = false;
    ASSERT_TRUE(ConnectAccessDataBaseWithPasswords(record, users, needLogin, true));
    ASSERT_TRUE(needLogin);
    ASSERT_EQ(users.CurrentUser().name, n);
    ConnectAccessDataBase(session, file, users.ReadOnly());
    InstallUserRights(session, users);
  }
  // The error of a statement on the session ("" when it ran).
  QString Refusal(const char* sql, bool native = false) {
    try {
      const QString text = QString::fromUtf8(sql);
      if (native) {
        session.ExecuteNativeSQL(text);
      } else if (text.startsWith(QLatin1String("SELECT"))) {
        auto query = session.GetTSQLDataSet(text);
        query->Open();
      } else {
        session.ExecuteSQL(text);
      }
      return QString();
    } catch (const Exception& e) {
      return e.Message();
    }
  }
  int Count(const char* table) {
    auto query = db.GetTSQLDataSet(QStringLiteral("SELECT COUNT(*) FROM ") + QString::fromLatin1(table));
    query->Open();
    return query->Fields(0).AsInteger();
  }

  TZULDataBase record;
  TDataBaseZUL session;
};

TEST_F(DataBaseRightsTest, DeniedDeletionHoldsForEveryWayOfDeleting) {
  LogInAndOpen("sinborrar", "x1");
  EXPECT_FALSE(session.IsReadOnly());
  const QString denied = QStringLiteral("No tiene permiso para borrar registros de la tabla \"T01Alumnos\"");
  struct Case {
    const char* sql;
    bool native;
    const char* refusal;  // "" runs; "*" the deletion refusal; otherwise the start of the text
  };
  const Case cases[] = {
      {"SELECT * FROM T01Alumnos", false, ""},
      {"INSERT INTO T01Alumnos (NombreT01) VALUES ('Eva')", false, ""},
      {"UPDATE T01Alumnos SET ApellidosT01 = 'Gil'", false, ""},
      {"DELETE FROM T01Alumnos", false, "*"},
      {"delete from t01alumnos where NombreT01 = 'Ana'", false, "*"},
      {"DELETE T01Alumnos.* FROM T01Alumnos", false, "*"},
      {"DELETE FROM T01Alumnos", true, "*"},
      {"DROP TABLE T01Alumnos", true,
       "No tiene permiso para cambiar la estructura de la tabla \"T01Alumnos\""},
      {"ALTER TABLE T01Alumnos RENAME TO Otra", true, "No tiene permiso para cambiar la estructura"},
      {"CREATE TRIGGER t AFTER INSERT ON T03Cursos BEGIN DELETE FROM T01Alumnos; END", true,
       "No tiene permiso para crear desencadenadores"},
      {"ATTACH DATABASE ':memory:' AS copia", true, "No tiene permiso para adjuntar"},
      {"VACUUM INTO '/tmp/luma-rights-copy.db'", true, "No tiene permiso para adjuntar"},
      {"PRAGMA writable_schema = ON", true, "No tiene permiso para modificar el esquema"},
      {"CREATE TEMP TABLE trabajo AS SELECT NombreT01 FROM T01Alumnos", true, ""},
      {"DELETE FROM T03Cursos", false, ""},  // tables without a restriction keep every right
  };
  for (const Case& c : cases) {
    const QString refusal = Refusal(c.sql, c.native);
    if (qstrcmp(c.refusal, "*") == 0) {
      EXPECT_EQ(refusal, denied) << c.sql;
    } else if (*c.refusal == '\0') {
      EXPECT_EQ(refusal, QString()) << c.sql;
    } else {
      EXPECT_TRUE(refusal.startsWith(QString::fromUtf8(c.refusal))) << c.sql << ": " << refusal.toStdString();
    }
  }
  EXPECT_EQ(Count("T01Alumnos"), 2);

  // A dataset's deletion is refused too, and the record stays.
  auto students = session.GetTSQLDataSet(QStringLiteral("SELECT * FROM T01Alumnos"), nullptr, 0);
  students->Open();
  EXPECT_THROW(students->Delete(), EDatabaseError);
  students.reset();
  EXPECT_EQ(Count("T01Alumnos"), 2);

  // The rights stay with the connection object when it is opened again.
  session.Close();
  ConnectAccessDataBase(session, file, false);
  EXPECT_EQ(Refusal("DELETE FROM T01Alumnos"), denied);
  session.SetEngineRights(nullptr);
  EXPECT_EQ(Refusal("DELETE FROM T01Alumnos"), QString());
}

TEST_F(DataBaseRightsTest, ReadOnlyUserWritesNothing) {
  LogInAndOpen("lector", "x2");
  EXPECT_TRUE(users.ReadOnly());
  EXPECT_TRUE(session.IsReadOnly());
  EXPECT_EQ(Refusal("SELECT * FROM T01Alumnos"), QString());
  EXPECT_EQ(Refusal("SELECT * FROM T99ParametrosAplicacion"), QString());
  for (const char* sql :
       {"INSERT INTO T01Alumnos (NombreT01) VALUES ('Eva')", "UPDATE T03Cursos SET CodigoT03 = 1",
        "DELETE FROM T99ParametrosAplicacion", "CREATE TABLE Nueva (x INTEGER)"}) {
    EXPECT_NE(Refusal(sql), QString()) << sql;
  }
  // Even on a connection opened for writing by mistake the rights refuse every write.
  ConnectAccessDataBase(session, file, false);
  EXPECT_EQ(
      Refusal("INSERT INTO T03Cursos (CodigoT03) VALUES (7)"),
      QStringLiteral("La base de datos está abierta en modo de sólo lectura: no puede modificar la tabla "
                     "\"T03Cursos\""));
  EXPECT_NE(Refusal("DELETE FROM T01Alumnos", true), QString());
  EXPECT_EQ(Count("T01Alumnos"), 1);
}

TEST_F(DataBaseRightsTest, OnlyTheAdministratorChangesUsersEvenWithRawSql) {
  LogInAndOpen("escritor", "x3");
  const QString onlyAdmin =
      QStringLiteral("Sólo el administrador de la base de datos puede modificar los usuarios y sus permisos");
  const char* const refused[] = {
      "UPDATE T99ParametrosAplicacion SET ValorTextoT99 = 'escritor|x|y|0000000003' WHERE NombreParametroT99 "
      "= "
      "'USER_VALUE_4'",
      "DELETE FROM T99ParametrosAplicacion WHERE NombreParametroT99 = 'user_need'",
      "DELETE FROM T99ParametrosAplicacion",
      "UPDATE T99ParametrosAplicacion SET NombreParametroT99 = 'OTRO' WHERE NombreParametroT99 = 'USER_NEED'",
      "INSERT INTO T99ParametrosAplicacion (NombreParametroT99, ValorTextoT99) VALUES ('USER_VALUE_9', "
      "'x|y|z|3')",
  };
  for (const char* sql : refused) EXPECT_TRUE(Refusal(sql).contains(onlyAdmin)) << sql;
  EXPECT_TRUE(
      Refusal("DROP TABLE T99ParametrosAplicacion", true).startsWith(QStringLiteral("No tiene permiso")));
  EXPECT_TRUE(Refusal("DROP TRIGGER temp.luma_rights_guard_0_u", true)
                  .startsWith(QStringLiteral("No tiene permiso")));
  EXPECT_EQ(Refusal("PRAGMA writable_schema = 1", true).isEmpty(), false);

  // The user's own slot still reads, and the program's other parameters still write.
  TZULPasswordsDataBase sessionUsers;
  sessionUsers.SetDataBase(&session);
  EXPECT_EQ(sessionUsers.ReadUser(QStringLiteral("escritor")).fullName, QStringLiteral("Escribe"));
  EXPECT_THROW(sessionUsers.AddUser(User("intruso", "", 3)), Exception);
  TParametrosApp params;
  params.SetDataBase(&session);
  params.SetValue(QStringLiteral("EmpresaNombre"), QStringLiteral("Academia Sur"));
  EXPECT_EQ(params.GetString(QStringLiteral("EmpresaNombre"), QString()), QStringLiteral("Academia Sur"));
  EXPECT_EQ(users.UserNames().size(), 4);
  EXPECT_TRUE(users.NeedUserName());

  // An administrator's connection may.
  LogInAndOpen("admin", "pelto");
  EXPECT_EQ(Refusal("DELETE FROM T99ParametrosAplicacion WHERE NombreParametroT99 = 'USER_VALUE_4'"),
            QString());
}

TEST_F(DataBaseRightsTest, ViewClearedMakesTheTableUnreadableButParametersStayReadable) {
  TDBUserValues rights;
  rights.Entry(QStringLiteral("T01Alumnos")).SetRight(0, false);
  rights.Entry(QStringLiteral("T99ParametrosAplicacion")).SetRight(0, false);
  const QStringList tables{QStringLiteral("T01Alumnos=Alumnos"),
                           QStringLiteral("T99ParametrosAplicacion=Parámetros")};
  ConnectAccessDataBase(session, file, false);
  session.SetEngineRights(BuildEngineRights(rights, tables, false, false));
  EXPECT_EQ(Refusal("SELECT COUNT(*) FROM T01Alumnos"),
            QStringLiteral("No tiene permiso para ver los datos de la tabla \"T01Alumnos\""));
  EXPECT_NE(Refusal("INSERT INTO T01Alumnos (NombreT01) VALUES ('Eva')"), QString());
  EXPECT_EQ(Refusal("SELECT * FROM T99ParametrosAplicacion"), QString());
  EXPECT_EQ(Refusal("SELECT * FROM T02Matriculas"), QString());
  // Rights of a table outside the program's list are not applied.
  TDBUserValues other;
  other.Entry(QStringLiteral("T02Matriculas")).SetRight(0, false);
  session.SetEngineRights(BuildEngineRights(other, tables, false, false));
  EXPECT_EQ(Refusal("SELECT * FROM T02Matriculas"), QString());
}

TEST_F(DataBaseRightsTest, SetupShowsItsStepsAndRightsReachStatementsPreparedBefore) {
  QStringList seen;
  FreeProgress();
  TSplash::RegisterView([&seen] { return std::make_unique<RecordingView>(seen); });
  ASSERT_TRUE(users.Login(QStringLiteral("sinborrar"), QStringLiteral("x1")));
  SetupDataBaseUserRights(record, users, session);
  FreeProgress();
  TSplash::RegisterView({});
  const QStringList steps{QStringLiteral("Permisos de acceso"),
                          QStringLiteral("Permisos para acceder a la base de datos..."),
                          QStringLiteral("Crear archivo de sistema"),
                          QStringLiteral("Conectar"),
                          QStringLiteral("Borrar usuario anterior"),
                          QStringLiteral("Crear usuario"),
                          QStringLiteral("Inicializar permisos para usuario"),
                          QStringLiteral("Capturar permisos"),
                          QStringLiteral("Asignar permisos"),
                          QStringLiteral("Tabla \"T01Alumnos\""),
                          QStringLiteral("Tabla \"T26FaltasAsistencia\"")};
  for (const QString& step : steps) EXPECT_TRUE(seen.contains(step)) << step.toStdString();
  EXPECT_LT(seen.indexOf(steps[2]), seen.indexOf(steps[8]));
  EXPECT_FALSE(session.IsOpen());  // closed at the end, the rights kept for the next opening
  EXPECT_EQ(users.CapturedRights().RightsOf(QStringLiteral("T01Alumnos")).Bits(), 7);

  // Kept for the next opening, and put on an open connection with statements ready.
  const QString del = QStringLiteral("DELETE FROM T01Alumnos WHERE NombreT01 = 'Nadie'");
  ConnectAccessDataBase(session, file, false);
  EXPECT_NE(Refusal("DELETE FROM T01Alumnos WHERE NombreT01 = 'Nadie'"), QString());
  session.SetEngineRights(nullptr);
  EXPECT_EQ(session.ExecuteSQL(del), 0);  // prepared and kept by the statement cache
  auto reader = session.GetTSQLDataSet(QStringLiteral("SELECT * FROM T01Alumnos"));
  reader->Open();  // still reading
  InstallUserRights(session, users);
  EXPECT_NE(Refusal("DELETE FROM T01Alumnos WHERE NombreT01 = 'Nadie'"), QString());
  EXPECT_EQ(reader->RecordCount(), 1);
}

TEST_F(DataBaseRightsTest, ConnectingWithPasswords) {
  bool needLogin = true;
  // Without a login required: no prompt, the users' object is logged out (full rights).
  users.SetNeedUserName(false);
  ASSERT_TRUE(users.Login(QStringLiteral("lector"), QStringLiteral("x2")));
  int prompts = 0;
  SetLoginPrompt([&prompts](TCustomZULPasswords&) { return ++prompts > 0; });
  EXPECT_TRUE(ConnectAccessDataBaseWithPasswords(record, users, needLogin, true));
  EXPECT_FALSE(needLogin);
  EXPECT_EQ(prompts, 0);
  EXPECT_TRUE(users.IsLoggedOut());
  EXPECT_FALSE(users.ReadOnly());
  EXPECT_EQ(users.ObjectName(), QStringLiteral("Academia Norte"));
  EXPECT_EQ(users.DataBase(), &db);  // pointed back

  // A required login that is cancelled, or without any prompt.
  users.SetNeedUserName(true);
  for (const bool plugged : {true, false}) {
    SetLoginPrompt(plugged ? TLoginPrompt([](TCustomZULPasswords&) { return false; }) : TLoginPrompt());
    try {
      ConnectAccessDataBaseWithPasswords(record, users, needLogin, false);
      FAIL();
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), ccTranslate(1506));
    }
    EXPECT_TRUE(needLogin);
  }

  // A missing file: false, or its error.
  TZULDataBase missing = record;
  missing.Archivo = dir.File(QStringLiteral("no.mdb"));
  EXPECT_FALSE(ConnectAccessDataBaseWithPasswords(missing, users, needLogin, false));
  EXPECT_THROW(ConnectAccessDataBaseWithPasswords(missing, users, needLogin, true), EDatabaseError);
}

TEST_F(DataBaseRightsTest, AdministratorCheckOfAnotherDatabase) {
  const QString action = ccTranslate(1733);
  struct Case {
    const char* name;
    const char* password;
    bool refused;
  };
  for (const Case& c :
       {Case{"admin", "pelto", false}, Case{"escritor", "x3", true}, Case{"lector", "x2", true}}) {
    const QString n = QString::fromLatin1(c.name), p = QString::fromLatin1(c.password);
    SetLoginPrompt([n, p](TCustomZULPasswords& passwords) { return passwords.Login(n, p); });
    QString message;
    try {
      CheckDataBaseAdministrator(record, action);
    } catch (const Exception& e) {
      message = e.Message();
    }
    EXPECT_EQ(message,
              c.refused ? action + QLatin1Char('\n') + ccTranslateFmt(1722, {record.Nombre}) : QString())
        << c.name;
  }
  users.SetNeedUserName(false);
  EXPECT_NO_THROW(CheckDataBaseAdministrator(record, action));
  TZULDataBase missing = record;
  missing.Archivo = dir.File(QStringLiteral("no.mdb"));
  EXPECT_NO_THROW(CheckDataBaseAdministrator(missing, action));
}

}  // namespace
