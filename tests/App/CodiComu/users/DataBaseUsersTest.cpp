// Database users: slots in the parameters, the default user, login rules and the
// refusals that keep the stored users sound.
#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/users/PasswordHash.h"
#include "platform/core/Exceptions.h"
#include "tests/App/CodiComu/users/UsersTestSupport.h"
#include "tests/support/QtPrinters.h"

namespace {

using DataBaseUsersTest = CompanyUsersTest;

TEST_F(DataBaseUsersTest, RequiredLoginWithoutUsersCreatesTheDefaultAdministrator) {
  EXPECT_FALSE(users.RequireLogin());
  EXPECT_TRUE(users.UserNames().isEmpty());
  users.SetNeedUserName(true);  // ticking the box creates the default user
  ASSERT_EQ(dialogs->notices.size(), 1);
  EXPECT_EQ(dialogs->notices[0], ccTranslateFmt(1560, {QStringLiteral("admin"), QStringLiteral("pelto")}));
  EXPECT_TRUE(dialogs->notices[0].contains(QStringLiteral("\"pelto\"")));
  EXPECT_TRUE(users.RequireLogin());
  EXPECT_EQ(dialogs->notices.size(), 1);  // shown once: the user exists now

  const QString slot = Stored(QStringLiteral("USER_VALUE_1"));
  EXPECT_TRUE(slot.startsWith(QStringLiteral("admin|pbkdf2$"))) << slot.toStdString();
  EXPECT_TRUE(slot.endsWith(QStringLiteral("|admin|0000000003"))) << slot.toStdString();
  EXPECT_FALSE(slot.contains(QStringLiteral("pelto")));
  EXPECT_EQ(slot.count(QLatin1Char('|')), 3);
  const TUserValues admin = users.ReadUser(QStringLiteral("ADMIN"));
  EXPECT_EQ(admin.name, QStringLiteral("admin"));
  EXPECT_EQ(admin.properties, 3);
  EXPECT_EQ(users.RightsText(admin), ccTranslate(1570));
}

TEST_F(DataBaseUsersTest, LoginComparesNamesWithoutCaseAndPasswordsExactly) {
  ASSERT_TRUE(users.AddUser(User("Marta", "Secreto7", upWrite, "Marta Ruiz")));
  struct Case {
    const char* name;
    const char* password;
    bool ok;
  };
  const Case cases[] = {
      {"Marta", "Secreto7", true},
      {"MARTA", "Secreto7", true},
      {"marta", "secreto7", false},
      {"Marta", "SECRETO7", false},
      {"Marta", "", false},
      {"Pedro", "Secreto7", false},
      {"", "", false},
      {"Mar ta", "Secreto7", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(users.Login(QString::fromUtf8(c.name), QString::fromUtf8(c.password)), c.ok)
        << c.name << "/" << c.password;
    EXPECT_EQ(users.IsLoggedOut(), !c.ok);
    if (c.ok) {
      EXPECT_EQ(users.CurrentUser().fullName, QStringLiteral("Marta Ruiz"));
      EXPECT_FALSE(users.ReadOnly());
      EXPECT_FALSE(users.IsAdministrator());
    } else {
      EXPECT_EQ(users.CurrentUser().properties, 3);  // logged out: administrator with write access
    }
  }
}

TEST_F(DataBaseUsersTest, PlainPasswordOfAnOlderFileLogsInOnceAndIsStoredHashed) {
  TParametrosApp params;
  params.SetDataBase(&db);
  params.SetValue(TZULPasswordsDataBase::SlotName(2), QStringLiteral("luis|Clave1|Luis Gil|0000000000"));
  EXPECT_FALSE(users.Login(QStringLiteral("luis"), QStringLiteral("clave1")));
  EXPECT_EQ(Stored(QStringLiteral("USER_VALUE_2")), QStringLiteral("luis|Clave1|Luis Gil|0000000000"));
  ASSERT_TRUE(users.Login(QStringLiteral("LUIS"), QStringLiteral("Clave1")));
  EXPECT_TRUE(users.ReadOnly());
  const QString slot = Stored(QStringLiteral("USER_VALUE_2"));
  EXPECT_TRUE(slot.startsWith(QStringLiteral("luis|pbkdf2$"))) << slot.toStdString();
  EXPECT_TRUE(slot.endsWith(QStringLiteral("|Luis Gil|0000000000"))) << slot.toStdString();
  EXPECT_TRUE(users.Login(QStringLiteral("luis"), QStringLiteral("Clave1")));
  EXPECT_FALSE(
      users.Login(QStringLiteral("luis"), slot.section(QLatin1Char('|'), 1, 1)));  // not the hash itself
}

TEST_F(DataBaseUsersTest, AddingAnExistingNameWritesNothing) {
  ASSERT_TRUE(users.AddUser(User("ana", "uno", upWrite, "Ana")));
  TDBUserValues rights = users.ReadUserRights(QStringLiteral("ana"));
  rights.Entry(QStringLiteral("T01Alumnos")).SetRight(3, false);
  users.WriteUserRights(rights);
  const QString slot = Stored(QStringLiteral("USER_VALUE_1"));
  const QString list = Stored(QStringLiteral("USER_VALUE_1_TBLRIGHTS"));

  EXPECT_FALSE(users.AddUser(User("ANA", "dos", upAdministrator, "Otra Ana")));
  EXPECT_EQ(users.UserNames(), QStringList{QStringLiteral("ana")});
  EXPECT_EQ(Stored(QStringLiteral("USER_VALUE_1")), slot);
  EXPECT_EQ(Stored(QStringLiteral("USER_VALUE_1_TBLRIGHTS")), list);
  EXPECT_EQ(list, QStringLiteral("T01Alumnos=0000000007"));
}

TEST_F(DataBaseUsersTest, CheckValidRefusesWhatWouldBreakTheStoredUser) {
  const QString pipe = QStringLiteral("El nombre completo del usuario no puede contener el carácter \"|\"");
  struct Case {
    const char* name;
    const char* password;
    const char* fullName;
    int message;  // 0: valid; -1: the full name's refusal
  };
  const Case cases[] = {
      {"", "x", "", 1550},          {"ana lopez", "x", "", 1551}, {"ana|1", "", "", 1551},
      {"añade", "", "", 1551},      {"ana", "a-b", "", 1552},     {"ana", "clave|1", "", 1552},
      {"ana", "", "Ana | Gil", -1}, {"Ana2", "", "Ana López", 0}, {"a", "Zz09", "", 0},
  };
  for (const Case& c : cases) {
    QString message;
    try {
      users.CheckValid(QString::fromUtf8(c.name), QString::fromUtf8(c.password),
                       QString::fromUtf8(c.fullName));
    } catch (const Exception& e) {
      message = e.Message();
    }
    const QString expected = c.message > 0 ? ccTranslate(c.message) : c.message < 0 ? pipe : QString();
    EXPECT_EQ(message, expected) << c.name << "/" << c.password << "/" << c.fullName;
  }
  EXPECT_THROW(users.AddUser(User("ana", "", 0, "Ana | Gil")), Exception);
  EXPECT_TRUE(users.UserNames().isEmpty());
  ASSERT_TRUE(users.AddUser(User("ana", "", 0, "Ana")));
  EXPECT_THROW(users.ModifyUser(User("ana", "", 0, "Ana | Gil")), Exception);  // modify guards the slot too
  EXPECT_EQ(users.ReadUser(QStringLiteral("ana")).fullName, QStringLiteral("Ana"));
}

TEST_F(DataBaseUsersTest, TenSlotsAtMostAndTheAdministratorStaysAdministrator) {
  users.CreateDefaultUser();
  for (int i = 2; i <= 10; ++i)
    ASSERT_TRUE(users.AddUser({QStringLiteral("u%1").arg(i), QString(), QString(), 0}));
  try {
    users.AddUser(User("once", "", 0));
    FAIL() << "an eleventh user was added";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("No puede crear más usuarios"));
  }
  EXPECT_EQ(users.UserNames().size(), 10);

  dialogs->notices.clear();
  TUserValues admin = users.ReadUser(QStringLiteral("admin"));
  admin.properties = 0;
  admin.password = QStringLiteral("nueva");
  users.ModifyUser(admin);
  ASSERT_EQ(dialogs->notices.size(), 1);
  EXPECT_EQ(dialogs->notices[0],
            QStringLiteral("El usuario \"admin\" es el ADMINISTRADOR\nde la base de datos y "
                           "solamente puede\ncambiar su contraseña, no sus propiedades."));
  EXPECT_EQ(users.ReadUser(QStringLiteral("admin")).properties, 3);
  EXPECT_TRUE(users.Login(QStringLiteral("admin"), QStringLiteral("nueva")));  // the password did change

  for (const char* name : {"admin", "Admin"}) {
    try {
      users.DeleteUser(QString::fromLatin1(name));
      FAIL() << "the administrator was deleted";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("No se puede borrar el usuario \"admin\""));
    }
  }
  EXPECT_FALSE(users.DeleteUser(QStringLiteral("nadie")));
  EXPECT_TRUE(users.DeleteUser(QStringLiteral("U5")));
  EXPECT_FALSE(users.UserExists(QStringLiteral("u5")));
  EXPECT_TRUE(users.AddUser(User("nuevo", "", 0)));  // the freed slot takes it
  EXPECT_EQ(Stored(QStringLiteral("USER_VALUE_5")).section(QLatin1Char('|'), 0, 0), QStringLiteral("nuevo"));
}

TEST_F(DataBaseUsersTest, RightsListsAndTheViewRule) {
  ASSERT_TRUE(users.AddUser(User("eva", "", upWrite)));
  TDBUserValues rights = users.ReadUserRights(QStringLiteral("eva"));
  EXPECT_TRUE(rights.tables.empty());
  EXPECT_TRUE(rights.RightsOf(QStringLiteral("T01Alumnos")).Right(3));  // the default entry: all rights
  rights.Entry(QStringLiteral("T01Alumnos")).SetRight(0, false);        // view off clears the rest
  rights.Entry(QStringLiteral("T03Cursos")).SetRight(0, false);
  rights.Entry(QStringLiteral("t03cursos")).SetRight(2, true);  // modify sets view back
  users.WriteUserRights(rights);
  EXPECT_EQ(Stored(QStringLiteral("USER_VALUE_1_TBLRIGHTS")),
            QStringLiteral("T01Alumnos=0000000000,T03Cursos=0000000005"));

  const TDBUserValues back = users.ReadUserRights(QStringLiteral("EVA"));
  EXPECT_EQ(back.tables, rights.tables);
  EXPECT_EQ(back.user.name, QStringLiteral("eva"));

  // Entries without a name or with bits that are no number are dropped when read.
  const TTablesUserRights parsed = UserText::ParseRights(
      QStringLiteral("T01Alumnos=0000000003,=0000000001,T02=abc,T04Profesores,T05Grupos=8"));
  ASSERT_EQ(parsed.size(), 2u);
  EXPECT_EQ(parsed[0].Bits(), 3);
  EXPECT_EQ(parsed[1].table, QStringLiteral("T05Grupos"));
  EXPECT_EQ(parsed[1].Bits(), 8);

  // A user added into a slot a deleted user had starts with every right.
  ASSERT_TRUE(users.AddUser(User("otro", "", 0)));
  ASSERT_TRUE(users.DeleteUser(QStringLiteral("eva")));
  EXPECT_EQ(Stored(QStringLiteral("USER_VALUE_1_TBLRIGHTS")), QString());
  ASSERT_TRUE(users.AddUser(User("tercero", "", 0)));
  EXPECT_TRUE(users.ReadUserRights(QStringLiteral("tercero")).tables.empty());
}

TEST_F(DataBaseUsersTest, SlotTextsAndRightsTexts) {
  const TUserValues v = UserText::ParseSlot(QStringLiteral("pepe|pw|Pepe Gil|0000000002"));
  EXPECT_EQ(v, User("pepe", "pw", 2, "Pepe Gil"));
  EXPECT_EQ(UserText::FormatSlot(v), QStringLiteral("pepe|pw|Pepe Gil|0000000002"));
  EXPECT_EQ(UserText::ParseSlot(QStringLiteral("solo")), User("solo", "", 0));
  EXPECT_EQ(UserText::ParseSlot(QStringLiteral("a|b|c|xx")).properties, 0);
  EXPECT_EQ(UserText::TenDigits(-1), QStringLiteral("4294967295"));
  EXPECT_EQ(users.RightsText(User("a", "", 1)), ccTranslate(1570));
  EXPECT_EQ(users.RightsText(User("a", "", 2)), ccTranslate(1571));
  EXPECT_EQ(users.RightsText(User("a", "", 0)), ccTranslate(1572));
  EXPECT_EQ(users.RightsText(User("a", "", 4)), ccTranslate(1572));
}

}  // namespace
