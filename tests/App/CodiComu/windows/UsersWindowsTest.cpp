// The login dialog, the users window and the user data window over a company
// database's users.
#include <gtest/gtest.h>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/users/PasswordHash.h"
#include "App/CodiComu/users/TZULPasswordsDataBase.h"
#include "App/CodiComu/users/TZULPasswordsZULApp.h"
#include "App/CodiComu/windows/TccFRMPassword.h"
#include "App/CodiComu/windows/TccFRMPasswords.h"
#include "App/CodiComu/windows/TccFRMUserValues.h"
#include "platform/os/TRegistryStore.h"
#include "platform/zul/TDataBaseZUL.h"
#include "rules/schema/MasterDatabase.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace {

class UsersWindowsTest : public ::testing::Test {
protected:
  void SetUp() override {
    previousIterations = PasswordHash::SetIterations(50);
    db.Create(dir.File(QStringLiteral("empresa.mdb")));
    CreateSchema(db);
    users.SetDataBase(&db);
    users.SetObjectName(QStringLiteral("Academia Norte"));
  }
  void TearDown() override { PasswordHash::SetIterations(previousIterations); }

  static void Click(QWidget& window, const char* button) {
    auto* b = window.findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    b->click();
  }
  static QStringList Row(QTreeWidget* list, int row) {
    const QTreeWidgetItem* item = list->topLevelItem(row);
    return item ? QStringList{item->text(0), item->text(1), item->text(2)} : QStringList{};
  }
  static QStringList GridRow(QTableWidget* grid, int row) {
    QStringList cells;
    for (int column = 0; column < grid->columnCount(); ++column) cells << grid->item(row, column)->text();
    return cells;
  }

  int previousIterations = 0;
  TempDir dir;
  TDataBaseZUL db;
  TZULPasswordsDataBase users;
  ScriptedDialogs::Scope dialogs;
};

TEST_F(UsersWindowsTest, LoginDialogStaysOpenOnAWrongPassword) {
  users.CreateDefaultUser();
  TccFRMPassword w(users);
  w.show();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Password"));
  EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("lblTipo"))->text(), QStringLiteral("Base de Datos"));
  EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("lblTitulo"))->text(), QStringLiteral("Academia Norte"));
  EXPECT_EQ(w.PasswordEdit()->echoMode(), QLineEdit::Password);
  EXPECT_TRUE(w.UserEdit()->text().isEmpty());

  w.UserEdit()->setText(QStringLiteral("Admin"));
  w.PasswordEdit()->setText(QStringLiteral("PELTO"));
  Click(w, "btnAceptar");
  ASSERT_EQ(dialogs->errors.size(), 1);
  EXPECT_EQ(dialogs->errors[0], ccTranslate(1850));
  EXPECT_EQ(w.result(), QDialog::Rejected);
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.UserEdit()->selectedText(), QStringLiteral("Admin"));
  EXPECT_EQ(w.focusWidget(), w.UserEdit());
  EXPECT_TRUE(users.IsLoggedOut());

  w.PasswordEdit()->setText(QStringLiteral("pelto"));
  Click(w, "btnAceptar");
  EXPECT_EQ(dialogs->errors.size(), 1);
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(users.CurrentUser().name, QStringLiteral("admin"));
}

TEST_F(UsersWindowsTest, UsersWindowListsActsAndWarnsOnce) {
  users.SetNeedUserName(true);
  ASSERT_TRUE(
      users.AddUser({QStringLiteral("marta"), QStringLiteral("m1"), QStringLiteral("Marta Ruiz"), 2}));
  dialogs->notices.clear();
  TccFRMPasswords w(users);
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Passwords"));
  EXPECT_TRUE(w.RequireBox()->isChecked());
  QTreeWidget* list = w.UsersList();
  ASSERT_EQ(list->topLevelItemCount(), 2);
  EXPECT_EQ(Row(list, 0), (QStringList{QStringLiteral("admin"), QStringLiteral("admin"), ccTranslate(1570)}));
  EXPECT_EQ(Row(list, 1),
            (QStringList{QStringLiteral("marta"), QStringLiteral("Marta Ruiz"), ccTranslate(1571)}));
  EXPECT_TRUE(w.NewAction()->isEnabled());
  EXPECT_FALSE(w.ModifyAction()->isEnabled());  // no row selected yet
  EXPECT_FALSE(w.findChild<QPushButton*>(QStringLiteral("btnBorrar"))->isEnabled());
  EXPECT_EQ(w.NewAction()->shortcut(), QKeySequence(Qt::Key_F6));
  EXPECT_EQ(w.ModifyAction()->shortcut(), QKeySequence(Qt::Key_F5));
  EXPECT_EQ(w.DeleteAction()->shortcut(), QKeySequence(Qt::Key_F7));

  // Delete asks first; "No" keeps the user.
  list->setCurrentItem(list->topLevelItem(1));
  EXPECT_TRUE(w.DeleteAction()->isEnabled());
  dialogs->Answer(dbNo);
  Click(w, "btnBorrar");
  ASSERT_EQ(dialogs->questions.size(), 1u);
  EXPECT_EQ(dialogs->questions[0].text, ccTranslateFmt(1860, {QStringLiteral("marta")}));
  EXPECT_EQ(dialogs->questions[0].icon, TDialogIcon::Warning);
  EXPECT_EQ(dialogs->questions[0].defaultButton, dbNo);
  EXPECT_TRUE(users.UserExists(QStringLiteral("marta")));
  EXPECT_TRUE(dialogs->notices.isEmpty());

  // "Nuevo" runs the data window; the new user shows in the list.
  w.SetDataWindowRunner([](TccFRMUserValues& data) {
    data.UserEdit()->setText(QStringLiteral("luis"));
    data.FullNameEdit()->setText(QStringLiteral("Luis Gil"));
    data.PasswordEdit()->setText(QStringLiteral("l1"));
    data.findChild<QPushButton*>(QStringLiteral("btnAceptar"))->click();
    return data.result();
  });
  w.NewAction()->trigger();
  ASSERT_EQ(list->topLevelItemCount(), 3);
  EXPECT_EQ(Row(list, 2),
            (QStringList{QStringLiteral("luis"), QStringLiteral("Luis Gil"), ccTranslate(1572)}));
  EXPECT_EQ(list->indexOfTopLevelItem(list->currentItem()), 1);  // the selection stays by position
  ASSERT_EQ(dialogs->notices.size(), 1);
  EXPECT_EQ(dialogs->notices[0], ccTranslate(1861));

  dialogs->Answer(dbYes);
  w.DeleteAction()->trigger();
  EXPECT_FALSE(users.UserExists(QStringLiteral("marta")));
  EXPECT_EQ(list->topLevelItemCount(), 2);
  EXPECT_EQ(dialogs->notices.size(), 1);  // once per opening

  // Clearing "Requerir usuario" stores it and disables the list and its actions.
  w.RequireBox()->setChecked(false);
  EXPECT_FALSE(users.NeedUserName());
  EXPECT_FALSE(list->isEnabled());
  EXPECT_FALSE(w.NewAction()->isEnabled());
  EXPECT_FALSE(w.DeleteAction()->isEnabled());
  EXPECT_FALSE(w.CloseAction()->isEnabled());
  EXPECT_TRUE(w.findChild<QPushButton*>(QStringLiteral("btnCerrar"))->isEnabled());
}

TEST_F(UsersWindowsTest, DataWindowTogglesRightsAndStoresThem) {
  TccFRMUserValues w(uaAdd, TUserValues{}, users);
  EXPECT_EQ(w.windowTitle(), ccTranslateFmt(1680, {QStringLiteral("Academia Norte")}));
  EXPECT_TRUE(w.UserEdit()->isEnabled());
  EXPECT_FALSE(w.ChangePasswordBox()->isVisibleTo(&w));
  ASSERT_EQ(w.PropertiesList()->count(), 2);
  EXPECT_EQ(w.PropertiesList()->item(1)->text(), QStringLiteral("Escritura"));
  QTableWidget* grid = w.RightsGrid();
  ASSERT_EQ(grid->rowCount(), DefaultRightsTables().size());
  EXPECT_EQ(w.height(), 460);
  EXPECT_EQ(GridRow(grid, 0),
            (QStringList{QStringLiteral("Alumnos"), QStringLiteral("Si"), QStringLiteral("Si"),
                         QStringLiteral("Si"), QStringLiteral("Si")}));
  grid->cellDoubleClicked(0, 1);  // clearing "Ver" clears the rest
  EXPECT_EQ(GridRow(grid, 0).mid(1), QStringList(4, QStringLiteral("No")));
  grid->cellDoubleClicked(2, 4);  // clearing "Borrar" on Cursos
  grid->cellDoubleClicked(2, 1);
  grid->cellDoubleClicked(2, 3);  // setting "Modificar" sets "Ver"
  EXPECT_EQ(GridRow(grid, 2).mid(1), (QStringList{QStringLiteral("Si"), QStringLiteral("No"),
                                                  QStringLiteral("Si"), QStringLiteral("No")}));

  w.UserEdit()->setText(QStringLiteral("eva"));
  w.FullNameEdit()->setText(QStringLiteral("Eva | Sanz"));
  w.PasswordEdit()->setText(QStringLiteral("e1"));
  w.PropertiesList()->item(1)->setCheckState(Qt::Checked);
  Click(w, "btnAceptar");  // the "|" is refused and the window stays open
  ASSERT_EQ(dialogs->errors.size(), 1);
  EXPECT_EQ(w.result(), QDialog::Rejected);
  EXPECT_FALSE(users.UserExists(QStringLiteral("eva")));

  w.FullNameEdit()->setText(QStringLiteral("Eva Sanz"));
  Click(w, "btnAceptar");
  EXPECT_EQ(dialogs->errors.size(), 1);
  EXPECT_EQ(w.result(), QDialog::Accepted);
  const TDBUserValues stored = users.ReadUserRights(QStringLiteral("eva"));
  EXPECT_EQ(stored.user.properties, 2);
  EXPECT_EQ(UserText::FormatRights(stored.tables),
            QStringLiteral("T01Alumnos=0000000000,T03Cursos=0000000005"));

  // The same name again: refused with a message, the window stays open, nothing changes.
  TccFRMUserValues again(uaAdd, TUserValues{}, users);
  again.UserEdit()->setText(QStringLiteral("EVA"));
  again.RightsGrid()->cellDoubleClicked(0, 2);
  Click(again, "btnAceptar");
  ASSERT_EQ(dialogs->errors.size(), 2);
  EXPECT_TRUE(dialogs->errors[1].contains(QStringLiteral("\"EVA\""))) << dialogs->errors[1].toStdString();
  EXPECT_EQ(again.result(), QDialog::Rejected);
  EXPECT_EQ(users.ReadUserRights(QStringLiteral("eva")).tables, stored.tables);

  // Modifying keeps the password unless asked to change it.
  TccFRMUserValues modify(uaModify, users.ReadUser(QStringLiteral("eva")), users);
  EXPECT_FALSE(modify.UserEdit()->isEnabled());
  EXPECT_FALSE(modify.PasswordEdit()->isEnabled());
  EXPECT_EQ(modify.RightsGrid()->item(0, 1)->text(), QStringLiteral("No"));
  modify.FullNameEdit()->setText(QStringLiteral("Eva Sanz Gil"));
  Click(modify, "btnAceptar");
  EXPECT_EQ(modify.result(), QDialog::Accepted);
  EXPECT_TRUE(users.Login(QStringLiteral("eva"), QStringLiteral("e1")));
  EXPECT_EQ(users.CurrentUser().fullName, QStringLiteral("Eva Sanz Gil"));
}

TEST_F(UsersWindowsTest, ApplicationUsersHaveNoPropertiesNorTables) {
  TRegistryStore store(dir.File(QStringLiteral("registry.json")));
  TZULPasswordsZULApp appUsers(store, TRegistryStore::AppKey(QStringLiteral("Prueba")));
  TccFRMUserValues w(uaAdd, TUserValues{}, appUsers);
  EXPECT_EQ(w.PropertiesList()->count(), 0);
  EXPECT_FALSE(w.PropertiesList()->isEnabled());
  EXPECT_FALSE(w.RightsGrid()->isVisibleTo(&w));
  EXPECT_EQ(w.height(), 196);
  w.UserEdit()->setText(QStringLiteral("jefe"));
  Click(w, "btnAceptar");
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_TRUE(appUsers.UserExists(QStringLiteral("JEFE")));
}

}  // namespace
