// Users and rights: the login dialog, the users window and the user data window.
#include <QLineEdit>
#include <QTreeWidget>

#include "App/CodiComu/TParametrosApp.h"
#include "App/CodiComu/users/PasswordHash.h"
#include "App/CodiComu/users/TZULPasswordsDataBase.h"
#include "App/CodiComu/windows/TccFRMPassword.h"
#include "App/CodiComu/windows/TccFRMPasswords.h"
#include "App/CodiComu/windows/TccFRMUserValues.h"
#include "tools/windows/lumashots/ShotRegistry.h"

namespace {

// The sample company's users, made once on the scratch database.
TZULPasswordsDataBase& SampleUsers() {
  static TZULPasswordsDataBase users;
  static bool made = false;
  if (!made) {
    made = true;
    PasswordHash::SetIterations(1000);  // sample data only
    users.SetDataBase(ParametrosApp().DataBase());
    users.SetObjectName(QStringLiteral("Academia Lumaresca"));
    users.SetNeedUserName(true);
    users.AddUser(
        {QStringLiteral("marta"), QStringLiteral("m1"), QStringLiteral("Marta Ruiz Pardo"), upWrite});
    users.AddUser(
        {QStringLiteral("secretaria"), QStringLiteral("s1"), QStringLiteral("Secretaría"), upWrite});
    users.AddUser({QStringLiteral("luis"), QStringLiteral("l1"), QStringLiteral("Luis Gil (consultas)"), 0});
    TDBUserValues rights = users.ReadUserRights(QStringLiteral("marta"));
    rights.Entry(QStringLiteral("T15FacturasCab")).SetRight(3, false);
    rights.Entry(QStringLiteral("T16FacturasCue")).SetRight(3, false);
    rights.Entry(QStringLiteral("T27LiquidacionesCab")).SetRight(0, false);
    rights.Entry(QStringLiteral("T28LiquidacionesCue")).SetRight(0, false);
    users.WriteUserRights(rights);
  }
  return users;
}

QWidget* Login(std::unique_ptr<QWidget>& keep) {
  auto window = std::make_unique<TccFRMPassword>(SampleUsers());
  window->UserEdit()->setText(QStringLiteral("marta"));
  window->PasswordEdit()->setText(QStringLiteral("m1"));
  keep = std::move(window);
  return keep.get();
}

QWidget* Users(std::unique_ptr<QWidget>& keep) {
  auto window = std::make_unique<TccFRMPasswords>(SampleUsers());
  window->UsersList()->setCurrentItem(window->UsersList()->topLevelItem(1));
  keep = std::move(window);
  return keep.get();
}

QWidget* UserData(std::unique_ptr<QWidget>& keep) {
  TZULPasswordsDataBase& users = SampleUsers();
  keep = std::make_unique<TccFRMUserValues>(uaModify, users.ReadUser(QStringLiteral("marta")), users);
  return keep.get();
}

const ShotRegistration kUsersShots{
    {"TccFRMPassword.png", Login},
    {"TccFRMPasswords.png", Users},
    {"TccFRMUserValues.png", UserData},
};

}  // namespace
