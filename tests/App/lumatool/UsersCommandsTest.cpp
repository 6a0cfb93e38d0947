// lumatool's users commands on a company database.
#include <gtest/gtest.h>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/users/PasswordHash.h"
#include "App/CodiComu/users/TZULPasswordsDataBase.h"
#include "platform/zul/TDataBaseZUL.h"
#include "rules/schema/MasterDatabase.h"
#include "tests/App/lumatool/ToolRunner.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempDir.h"

namespace {

class UsersCommandsTest : public ::testing::Test {
protected:
  void SetUp() override {
    PasswordHash::SetIterations(50);
    file = dir.File(QStringLiteral("empresa.mdb"));
    TDataBaseZUL db;
    db.Create(file);
    CreateSchema(db);
    TZULPasswordsDataBase users;
    users.SetDataBase(&db);
    users.CreateDefaultUser();
    ASSERT_TRUE(users.AddUser(
        {QStringLiteral("marta"), QStringLiteral("uno"), QString::fromUtf8("Marta Ruiz Pérez"), 2}));
    ASSERT_TRUE(users.AddUser({QStringLiteral("luis"), QString(), QStringLiteral("Luis"), 0}));
  }
  bool LogsIn(const char* name, const char* password) {
    TDataBaseZUL db;
    db.Open(file, true);
    TZULPasswordsDataBase users;
    users.SetDataBase(&db);
    return users.Login(QString::fromUtf8(name), QString::fromUtf8(password));
  }

  TempDir dir;
  QString file;
};

TEST_F(UsersCommandsTest, ListsTheUsersWithTheirRights) {
  const ToolResult r = RunLumatool({QStringLiteral("users"), QStringLiteral("list"), file});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, QStringLiteral("admin\tadmin\t") + ccTranslate(1570) + QStringLiteral("\nmarta\t") +
                       QString::fromUtf8("Marta Ruiz Pérez\t") + ccTranslate(1571) +
                       QStringLiteral("\nluis\tLuis\t") + ccTranslate(1572) + QLatin1Char('\n'));
}

TEST_F(UsersCommandsTest, SetPasswordStoresItHashedAfterTheChecks) {
  struct Case {
    const char* name;
    const char* password;
    int status;
    const char* err;
  };
  const Case cases[] = {
      {"MARTA", "Nueva9", 0, ""},
      {"marta", "con espacio", 1, nullptr},  // 1552
      {"nadie", "x", 1, "No existe el usuario \"nadie\"\n"},
      {"mal nombre", "x", 1, nullptr},
      {"luis", "", 0, ""},
  };
  for (const Case& c : cases) {
    const ToolResult r = RunLumatool({QStringLiteral("users"), QStringLiteral("set-password"), file,
                                      QString::fromUtf8(c.name), QString::fromUtf8(c.password)});
    EXPECT_EQ(r.status, c.status) << c.name << ": " << r.err.toStdString();
    if (c.err) {
      EXPECT_EQ(r.err, QString::fromUtf8(c.err)) << c.name;
    }
    EXPECT_EQ(r.out, QString());
  }
  EXPECT_EQ(RunLumatool({QStringLiteral("users"), QStringLiteral("set-password"), file,
                         QStringLiteral("marta"), QStringLiteral("a b")})
                .err,
            ccTranslate(1552) + QLatin1Char('\n'));
  EXPECT_TRUE(LogsIn("marta", "Nueva9"));
  EXPECT_FALSE(LogsIn("marta", "uno"));
  EXPECT_TRUE(LogsIn("luis", ""));
  EXPECT_TRUE(LogsIn("admin", "pelto"));

  TDataBaseZUL db;
  db.Open(file, true);
  TZULPasswordsDataBase users;
  users.SetDataBase(&db);
  const TUserValues marta = users.ReadUser(QStringLiteral("marta"));
  EXPECT_TRUE(PasswordHash::IsHash(marta.password)) << marta.password.toStdString();
  EXPECT_EQ(marta.properties, 2);
  EXPECT_EQ(marta.fullName, QString::fromUtf8("Marta Ruiz Pérez"));
}

TEST_F(UsersCommandsTest, MalformedLinesAndMissingFiles) {
  for (const QStringList& args :
       {QStringList{QStringLiteral("users")}, QStringList{QStringLiteral("users"), QStringLiteral("list")},
        QStringList{QStringLiteral("users"), QStringLiteral("set-password"), file, QStringLiteral("marta")},
        QStringList{QStringLiteral("users"), QStringLiteral("drop"), file}}) {
    const ToolResult r = RunLumatool(args);
    EXPECT_EQ(r.status, 2) << args.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("lumatool users list ARCHIVO")));
  }
  const ToolResult missing =
      RunLumatool({QStringLiteral("users"), QStringLiteral("list"), dir.File(QStringLiteral("no.mdb"))});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, ccTranslateFmt(1503, {dir.File(QStringLiteral("no.mdb"))}) + QLatin1Char('\n'));
}

}  // namespace
