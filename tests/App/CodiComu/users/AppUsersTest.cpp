// Application users in the registry store.
#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/users/TZULPasswordsZULApp.h"
#include "platform/core/Exceptions.h"
#include "platform/os/TRegistryStore.h"
#include "tests/App/CodiComu/users/UsersTestSupport.h"
#include "tests/support/QtPrinters.h"

namespace {

class AppUsersTest : public ::testing::Test {
protected:
  AppUsersTest() : store(dir.File(QStringLiteral("registry.json"))), users(store, key) {}

  FastHashes fast;
  TempDir dir;
  TRegistryStore store;
  const QString key = TRegistryStore::AppKey(QStringLiteral("ZUL-Lumaresca 2014 PRO"));
  TZULPasswordsZULApp users;
  ScriptedDialogs::Scope dialogs;
};

TEST_F(AppUsersTest, UsersAreSubkeysWithTheHashedPassword) {
  EXPECT_EQ(users.UsersKey(), key + QStringLiteral("\\USERS"));
  EXPECT_EQ(users.KindName(), QStringLiteral("Aplicación"));
  EXPECT_FALSE(users.NeedUserName());
  users.SetNeedUserName(true);
  EXPECT_TRUE(users.NeedUserName());
  EXPECT_EQ(store.ReadInteger(users.UsersKey(), QStringLiteral("NEEDUSERNAME")), 1);
  ASSERT_EQ(dialogs->notices.size(), 1);  // the default user, with properties 0
  EXPECT_EQ(store.ReadInteger(users.UsersKey() + QStringLiteral("\\admin"), QStringLiteral("PROPS")), 0);

  ASSERT_TRUE(users.AddUser({QStringLiteral("Jefe"), QStringLiteral("K1"), QString(), 5}));
  EXPECT_FALSE(users.AddUser({QStringLiteral("JEFE"), QStringLiteral("K2"), QString(), 0}));
  const QString userKey = users.UsersKey() + QStringLiteral("\\Jefe");
  const QString pwd = store.ReadString(userKey, QStringLiteral("PWD"));
  EXPECT_TRUE(PasswordHash::IsHash(pwd)) << pwd.toStdString();
  EXPECT_EQ(store.ReadInteger(userKey, QStringLiteral("PROPS")), 5);
  EXPECT_EQ(users.UserNames(), (QStringList{QStringLiteral("admin"), QStringLiteral("Jefe")}));

  EXPECT_TRUE(users.Login(QStringLiteral("jefe"), QStringLiteral("K1")));
  EXPECT_EQ(users.CurrentUser().fullName,
            QStringLiteral("jefe"));  // an application user's full name is its name
  EXPECT_EQ(users.CurrentUser().properties, 5);
  EXPECT_FALSE(users.Login(QStringLiteral("jefe"), QStringLiteral("k1")));
  EXPECT_FALSE(
      users.Login(QStringLiteral("nadie"), QStringLiteral("K1")));  // unknown: no more than a failure
  EXPECT_EQ(users.CurrentUser().properties, 0);

  try {
    users.ReadUser(QStringLiteral("nadie"));
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("No existe el usuario \"nadie\""));
  }
  EXPECT_THROW(users.ModifyUser({QStringLiteral("nadie"), QString(), QString(), 0}), Exception);
  EXPECT_TRUE(users.DeleteUser(QStringLiteral("Jefe")));
  EXPECT_FALSE(store.KeyExists(userKey));
}

TEST_F(AppUsersTest, PlainPasswordInTheRegistryIsHashedAtItsFirstLogin) {
  const QString userKey = users.UsersKey() + QStringLiteral("\\viejo");
  store.WriteString(userKey, QStringLiteral("PWD"), QStringLiteral("Abc"));
  store.WriteInteger(userKey, QStringLiteral("PROPS"), 2);
  EXPECT_FALSE(users.Login(QStringLiteral("viejo"), QStringLiteral("abc")));
  EXPECT_EQ(store.ReadString(userKey, QStringLiteral("PWD")), QStringLiteral("Abc"));
  EXPECT_TRUE(users.Login(QStringLiteral("viejo"), QStringLiteral("Abc")));
  EXPECT_TRUE(PasswordHash::IsHash(store.ReadString(userKey, QStringLiteral("PWD"))));
  EXPECT_EQ(store.ReadInteger(userKey, QStringLiteral("PROPS")), 2);
  EXPECT_TRUE(users.Login(QStringLiteral("viejo"), QStringLiteral("Abc")));
}

}  // namespace
